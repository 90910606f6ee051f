#include "shell/MainWindow.h"

#include "birthchart/ui/BirthChartPage.h"
#include "birthchart/ui/ManualNamingWindow.h"
#include "birthchart/ui/ReadingWindow.h"
#include "birthchart/NameAgainstChart.h"
#include "numerology/Lookups.h"
#include "numerology/NameReport.h"

#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"
#include "generation/ui/ClassicPage.h"
#include "generation/CharSetRun.h"
#include "generation/ui/CustomModePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/PoetryPages.h"
#include "numerology/NameScore.h"
#include "numerology/SharedNumerology.h"
#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameMeaningWindow.h"
#include "numerology/ui/NameScoringPage.h"
#include "othernames/ui/EnglishNamePage.h"
#include "othernames/ui/NicknamePage.h"
#include "review/ui/ConditionFilterWindow.h"
#include "review/ui/DictionaryWindow.h"
#include "review/ui/FavouritesWindow.h"
#include "review/ui/SuperAuspiciousWindow.h"
#include "profile/BabyProfile.h"
#include "shell/AboutWindow.h"
#include "shell/HomePage.h"
#include "shell/PlaceholderWindow.h"
#include "profile/ui/SettingsWindow.h"
#include "widgets/AppIcons.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowDirectory.h"
#include "widgets/WindowPlacement.h"
#include "tools/ui/FunToolsWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include <algorithm>
#include <QCloseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace qiming::shell {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(kMainWindowTitle);

    // First, before any other window exists.
    if (!data::openDatabase())
        widgets::showWarning(nullptr, kMissingDatabaseMessage);

    // The score of a name listed without a gender is the profile's.
    numerology::setProfileGenderSource([] {
        profile::ensureProfileLoaded();
        return profile::liveProfile().gender;
    });

    // Names are measured against the chart of the profile's birth time, as it stands when asked.
    numerology::setChartVerdictSource(birthchart::chartVerdictSource([]() -> std::optional<birthchart::BirthMoment> {
        profile::ensureProfileLoaded();
        const profile::BabyProfile &p = profile::liveProfile();
        bool ok[5];
        const birthchart::BirthMoment m{p.birthYear.toInt(&ok[0]), p.birthMonth.toInt(&ok[1]), p.birthDay.toInt(&ok[2]),
                                        p.birthHour.toInt(&ok[3]), p.birthMinute.toInt(&ok[4])};
        return std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ? std::optional(m) : std::nullopt;
    }));
    createWindows();
    createToolbar();
    createPages();
    widgets::setFixedClientSize(this, 866, 542);
}

MainWindow::~MainWindow()
{
    numerology::setAnalysisWindow(nullptr);
    numerology::setChartVerdictSource({});
    for (const QString &name :
         {QStringLiteral("TForm8"), QStringLiteral("TForm4"), QStringLiteral("TForm6"), QStringLiteral("TForm16")})
        widgets::registerWindowOpener(name, {});
    data::closeDatabase();
}

bool MainWindow::isConnected() const
{
    return data::sharedDatabase().isOpen();
}

void MainWindow::createWindows()
{
    // In the order of the window set; all hidden until asked for.
    const auto placeholder = [this](const char *name, const char *caption, QSize size, bool resizable = false) {
        auto *w = new PlaceholderWindow(QString::fromLatin1(name), QString::fromUtf8(caption), size, resizable, this);
        m_windows.insert(w->objectName(), w);
    };
    auto *about = new AboutWindow(this);
    m_windows.insert(about->objectName(), about);
    auto *settings = new profile::SettingsWindow(this);
    m_windows.insert(settings->objectName(), settings);
    auto *favourites = new review::FavouritesWindow(this);
    m_windows.insert(favourites->objectName(), favourites);
    auto *dictionary = new review::DictionaryWindow(this);
    m_windows.insert(dictionary->objectName(), dictionary);
    auto *meaning = new numerology::NameMeaningWindow(this);
    m_windows.insert(meaning->objectName(), meaning);
    auto *manualNaming = new birthchart::ManualNamingWindow(this);
    m_windows.insert(manualNaming->objectName(), manualNaming);
    auto *funTools = new tools::FunToolsWindow(this);
    m_windows.insert(funTools->objectName(), funTools);
    auto *reading = new birthchart::ReadingWindow(this);
    m_windows.insert(reading->objectName(), reading);
    auto *analysis = new numerology::AnalysisWindow(this);
    m_windows.insert(analysis->objectName(), analysis);
    numerology::setAnalysisWindow(analysis);
    auto *conditionFilter = new review::ConditionFilterWindow(this);
    m_windows.insert(conditionFilter->objectName(), conditionFilter);
    placeholder("TForm3", "常用字表", {320, 240});
    auto *superFilter = new review::SuperAuspiciousWindow(conditionFilter->results(), this);
    m_windows.insert(superFilter->objectName(), superFilter);

    // Lists and filters of other parts open these by name.
    for (const QString &name :
         {QStringLiteral("TForm8"), QStringLiteral("TForm4"), QStringLiteral("TForm6"), QStringLiteral("TForm16")})
        widgets::registerWindowOpener(name, [this, name] { showModal(name); });
}

void MainWindow::createToolbar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(47 + 8);
    bar->setIconSize(QSize(24, 24));
    bar->setStyleSheet(QStringLiteral("QToolButton { color: #1d4fb8; }"));
    addToolBar(Qt::TopToolBarArea, bar);

    struct Tool {
        const char *name;
        const char *caption;
        const char *sign;
        QColor colour;
        std::function<void()> action;
    };
    const Tool tools[] = {
        {"ToolButton1", "模式选择", "首", QColor(0xd9, 0x4f, 0x3d), [this] { showPage(QStringLiteral("TabSheet11")); }},
        {"ToolButton7", "设置信息", "设", QColor(0x4f, 0x7f, 0xc9), [this] { showModal(QStringLiteral("TForm7")); }},
        {"ToolButton8", "生辰八字", "八", QColor(0xc7, 0x8a, 0x1c), [this] { showPage(QStringLiteral("TabSheet13")); }},
        {"ToolButton2", "名字分析", "析", QColor(0x3d, 0x8f, 0x5a), [this] { showPage(QStringLiteral("TabSheet12")); }},
        {"ToolButton4", "自选列表", "★", QColor(0xe0, 0x8a, 0x1e), [this] { showModal(QStringLiteral("TForm8")); }},
        {"ToolButton3", "新华字典", "典", QColor(0x8e, 0x4a, 0x2c), [this] { showModal(QStringLiteral("TForm9")); }},
        {"ToolButton5", "趣味工具", "趣", QColor(0x6b, 0x55, 0xb8), [this] { showModal(QStringLiteral("TForm13")); }},
    };
    int number = 0;
    for (const Tool &t : tools) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(t.name));
        b->setText(QString::fromUtf8(t.caption));
        // Ctrl+1 … Ctrl+7: every page and window without the mouse.
        const QKeySequence key(Qt::CTRL | Qt::Key(Qt::Key_1 + number++));
        connect(new QShortcut(key, this), &QShortcut::activated, b, &QToolButton::click);
        b->setToolTip(QStringLiteral("%1（%2）").arg(b->text(), key.toString(QKeySequence::NativeText)));
        b->setIcon(widgets::tileIcon(QString::fromUtf8(t.sign), t.colour));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedSize(67, 47);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, action = t.action] { widgets::runGuarded(this, action); });
    }
    // 关于 sits apart at the far end.
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto *about = new QToolButton(bar);
    about->setObjectName(QStringLiteral("aboutButton"));
    about->setText(QStringLiteral("关于"));
    about->setIcon(widgets::tileIcon(QStringLiteral("i"), QColor(0x6e, 0x7b, 0x8b)));
    about->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    about->setFixedSize(67, 47);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, about, &QToolButton::click);
    about->setToolTip(QStringLiteral("关于（F1）"));
    bar->addWidget(about);
    connect(about, &QToolButton::clicked, this, [this] { showModal(QStringLiteral("aboutWindow")); });
}

void MainWindow::createPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->tabBar()->hide(); // pages change only through the toolbar and the home page
    m_pages->setDocumentMode(true);
    setCentralWidget(m_pages);

    auto *home = new HomePage(m_pages);
    addPage(QStringLiteral("TabSheet11"), QStringLiteral("首页"), home);
    addPage(QStringLiteral("TabSheet6"), QStringLiteral("经典模式"), new generation::ClassicPage(m_pages));
    auto *highScore = new generation::HighScorePage(m_pages);
    addPage(QStringLiteral("TabSheet1"), QStringLiteral("高分模式"), highScore);
    setPageAction(QStringLiteral("TabSheet1"), [highScore] { highScore->list()->writeCandidateHeader(); });
    // Custom and poetry mode share the one character-set run.
    auto *charSetRun = new generation::CharSetRun(numerology::sharedCharacterTables(), numerology::sharedLuckTables(),
                                                  this);
    auto *custom = new generation::CustomModePage(charSetRun, m_pages);
    addPage(QStringLiteral("TabSheet3"), QStringLiteral("自定义模式"), custom);
    setPageAction(QStringLiteral("TabSheet3"), [custom] { custom->list()->writeCandidateHeader(); });
    auto *chooser = new generation::PoemChooserPage(m_pages);
    addPage(QStringLiteral("TabSheet4"), QStringLiteral("诗词模式"), chooser);
    setPageAction(QStringLiteral("TabSheet4"), [chooser] { chooser->open(); });
    auto *picker = new generation::PoemPickerPage(charSetRun, m_pages);
    addPage(QStringLiteral("TabSheet5"), QStringLiteral("诗词模式2"), picker);
    setPageAction(QStringLiteral("TabSheet5"), [picker] { picker->list()->writeCandidateHeader(); });
    connect(chooser, &generation::PoemChooserPage::poemChosen, this, [this, picker](const QString &text) {
        picker->setPoem(text);
        showPage(QStringLiteral("TabSheet5"));
    });
    connect(picker, &generation::PoemPickerPage::backRequested, this, [this] { showPage(QStringLiteral("TabSheet4")); });
    addPage(QStringLiteral("TabSheet2"), QStringLiteral("取英文名"), new othernames::EnglishNamePage(m_pages));
    auto *nicknames = new othernames::NicknamePage(m_pages);
    addPage(QStringLiteral("TabSheet10"), QStringLiteral("取小名"), nicknames);
    setPageAction(QStringLiteral("TabSheet10"), [nicknames] { nicknames->writeHeader(); });
    auto *meaning = static_cast<numerology::NameMeaningWindow *>(window(QStringLiteral("TForm15")));
    auto *readingWindow = static_cast<birthchart::ReadingWindow *>(window(QStringLiteral("TForm14")));
    auto *scoring = new numerology::NameScoringPage(meaning, m_pages);
    scoring->setOriginDisplay(
        [readingWindow](const QString &title, const QString &html) { readingWindow->showHtml(title, html); });
    addPage(QStringLiteral("TabSheet12"), QStringLiteral("名字评分"), scoring);
    auto *chartPage = new birthchart::BirthChartPage(readingWindow, m_pages);
    addPage(QStringLiteral("TabSheet13"), QStringLiteral("生辰八字"), chartPage);
    m_pages->setCurrentWidget(page(QStringLiteral("TabSheet11")));

    const char *targets[] = {"TabSheet1", "TabSheet6", "TabSheet4", "TabSheet2", "TabSheet10", "TabSheet3"};
    for (int i = 0; i < 6; ++i)
        connect(home->modeButton(i), &QToolButton::clicked, this,
                [this, target = QString::fromLatin1(targets[i])] { widgets::runGuarded(this, [&] { showPage(target); }); });

    // The birth chart always starts from the stored profile, and follows it when it is saved.
    setPageAction(QStringLiteral("TabSheet13"), [chartPage] { chartPage->refresh(); });
    connect(static_cast<profile::SettingsWindow *>(window(QStringLiteral("TForm7"))), &profile::SettingsWindow::profileSaved, this,
            [this, chartPage] {
                if (currentPageName() == QLatin1String("TabSheet13"))
                    chartPage->refresh();
            });
}

void MainWindow::addPage(const QString &name, const QString &caption, QWidget *content)
{
    content->setObjectName(name);
    m_pages->addTab(content, caption);
    m_pageByName.insert(name, content);
}

void MainWindow::showPage(const QString &name)
{
    QWidget *target = page(name);
    if (!target || m_pages->currentWidget() == target)
        return;
    m_pages->setCurrentWidget(target);
    if (const auto action = m_pageActions.value(name))
        action();
}

QString MainWindow::currentPageName() const
{
    return m_pages->currentWidget() ? m_pages->currentWidget()->objectName() : QString();
}

QWidget *MainWindow::page(const QString &name) const
{
    return m_pageByName.value(name);
}

void MainWindow::setPageAction(const QString &name, std::function<void()> action)
{
    m_pageActions.insert(name, std::move(action));
}

QWidget *MainWindow::window(const QString &name) const
{
    return m_windows.value(name);
}

void MainWindow::showModal(const QString &name)
{
    auto *dialog = qobject_cast<QDialog *>(window(name));
    if (!dialog || dialog->isVisible())
        return;
    // Opened from another modal window (a filter), it must sit over that one to be usable.
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *owner = modal && modal != dialog ? modal : this;
    if (dialog->parentWidget() != owner)
        dialog->setParent(owner, dialog->windowFlags());
    dialog->exec();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    data::closeDatabase();
    event->accept();
}

} // namespace qiming::shell
