#include "shell/MainWindow.h"

#include "birthchart/NameAgainstChart.h"
#include "birthchart/ui/BirthChartPage.h"
#include "birthchart/ui/ManualNamingWindow.h"
#include "birthchart/ui/ReadingWindow.h"
#include "data/SharedDatabase.h"
#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CustomModePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/PoetryPages.h"
#include "numerology/NameReport.h"
#include "numerology/NameScore.h"
#include "numerology/SharedNumerology.h"
#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameMeaningWindow.h"
#include "numerology/ui/NameScoringPage.h"
#include "othernames/ui/EnglishNamePage.h"
#include "othernames/ui/NicknamePage.h"
#include "profile/BabyProfile.h"
#include "profile/ui/SettingsWindow.h"
#include "review/ui/ConditionFilterWindow.h"
#include "review/ui/DictionaryWindow.h"
#include "review/ui/FavouritesWindow.h"
#include "review/ui/SuperAuspiciousWindow.h"
#include "shell/AboutWindow.h"
#include "shell/HomePage.h"
#include "shell/PageNames.h"
#include "shell/PlaceholderWindow.h"
#include "shell/ShellListHost.h"
#include "tools/ui/FunToolsWindow.h"
#include "widgets/AppIcons.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TileToolBar.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace qiming::shell {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_listHost(std::make_unique<ShellListHost>(*this))
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
    numerology::setChartVerdictSource({});
    data::closeDatabase();
}

bool MainWindow::isConnected() const
{
    return data::sharedDatabase().isOpen();
}

void MainWindow::addWindow(QWidget *window)
{
    m_windows.insert(window->objectName(), window);
}

void MainWindow::createWindows()
{
    // In the order of the window set; all hidden until asked for.
    addWindow(new AboutWindow(this));
    m_settings = new profile::SettingsWindow(this);
    addWindow(m_settings);
    addWindow(new review::FavouritesWindow(*m_listHost, this));
    addWindow(new review::DictionaryWindow(this));
    m_meaning = new numerology::NameMeaningWindow(this);
    addWindow(m_meaning);
    addWindow(new birthchart::ManualNamingWindow(this));
    addWindow(new tools::FunToolsWindow(this));
    m_reading = new birthchart::ReadingWindow(this);
    addWindow(m_reading);
    m_analysis = new numerology::AnalysisWindow(this);
    addWindow(m_analysis);
    m_conditionFilter = new review::ConditionFilterWindow(*m_listHost, this);
    addWindow(m_conditionFilter);
    addWindow(new PlaceholderWindow(QStringLiteral("TForm3"), QStringLiteral("常用字表"), {320, 240}, false, this));
    addWindow(new review::SuperAuspiciousWindow(m_conditionFilter->results(), *m_listHost, this));
    connect(m_conditionFilter, &review::ConditionFilterWindow::superFilterRequested, this,
            [this] { showModal(names::kSuperFilter); });
}

void MainWindow::createToolbar()
{
    QToolBar *bar = widgets::makeTileToolBar(QStringLiteral("ToolBar1"), this);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(47 + 8);
    addToolBar(Qt::TopToolBarArea, bar);

    struct Tool {
        const char *name;
        const char *caption;
        const char *sign;
        QColor colour;
        std::function<void()> action;
    };
    const Tool tools[] = {
        {"ToolButton1", "模式选择", "首", QColor(0xd9, 0x4f, 0x3d), [this] { showPage(names::kHome); }},
        {"ToolButton7", "设置信息", "设", QColor(0x4f, 0x7f, 0xc9), [this] { showModal(names::kSettings); }},
        {"ToolButton8", "生辰八字", "八", QColor(0xc7, 0x8a, 0x1c), [this] { showPage(names::kBirthChart); }},
        {"ToolButton2", "名字分析", "析", QColor(0x3d, 0x8f, 0x5a), [this] { showPage(names::kNameScoring); }},
        {"ToolButton4", "自选列表", "★", QColor(0xe0, 0x8a, 0x1e), [this] { showModal(names::kFavourites); }},
        {"ToolButton3", "新华字典", "典", QColor(0x8e, 0x4a, 0x2c), [this] { showModal(names::kDictionary); }},
        {"ToolButton5", "趣味工具", "趣", QColor(0x6b, 0x55, 0xb8), [this] { showModal(names::kFunTools); }},
    };
    int number = 0;
    for (const Tool &t : tools) {
        QToolButton *b = widgets::addTileButton(bar, QString::fromLatin1(t.name), QString::fromUtf8(t.caption),
                                                QString::fromUtf8(t.sign), t.colour);
        // Ctrl+1 … Ctrl+7: every page and window without the mouse.
        const QKeySequence key(Qt::CTRL | Qt::Key(Qt::Key_1 + number++));
        connect(new QShortcut(key, this), &QShortcut::activated, b, &QToolButton::click);
        b->setToolTip(QStringLiteral("%1（%2）").arg(b->text(), key.toString(QKeySequence::NativeText)));
        connect(b, &QToolButton::clicked, this, [this, action = t.action] { widgets::runGuarded(this, action); });
    }
    // 关于 sits apart at the far end.
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    QToolButton *about = widgets::addTileButton(bar, QStringLiteral("aboutButton"), QStringLiteral("关于"),
                                                QStringLiteral("i"), QColor(0x6e, 0x7b, 0x8b));
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, about, &QToolButton::click);
    about->setToolTip(QStringLiteral("关于（F1）"));
    connect(about, &QToolButton::clicked, this, [this] { showModal(names::kAbout); });
}

void MainWindow::createPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->tabBar()->hide(); // pages change only through the toolbar and the home page
    m_pages->setDocumentMode(true);
    setCentralWidget(m_pages);

    auto *home = new HomePage(m_pages);
    addPage(names::kHome, QStringLiteral("首页"), home);
    addPage(names::kClassic, QStringLiteral("经典模式"), new generation::ClassicPage(*m_listHost, m_pages));
    auto *highScore = new generation::HighScorePage(*m_listHost, m_pages);
    addPage(names::kHighScore, QStringLiteral("高分模式"), highScore);
    setPageAction(names::kHighScore, [highScore] { highScore->list()->writeCandidateHeader(); });
    // Custom and poetry mode share the one character-set run.
    auto *charSetRun = new generation::CharSetRun(numerology::sharedCharacterTables(), numerology::sharedLuckTables(),
                                                  this);
    auto *custom = new generation::CustomModePage(charSetRun, *m_listHost, m_pages);
    addPage(names::kCustom, QStringLiteral("自定义模式"), custom);
    setPageAction(names::kCustom, [custom] { custom->list()->writeCandidateHeader(); });
    // Connected directly: the window opens before the run starts.
    connect(custom, &generation::CustomModePage::manualNamingRequested, this,
            [this] { showModal(names::kManualNaming); });
    auto *chooser = new generation::PoemChooserPage(m_pages);
    addPage(names::kPoemChooser, QStringLiteral("诗词模式"), chooser);
    setPageAction(names::kPoemChooser, [chooser] { chooser->open(); });
    auto *picker = new generation::PoemPickerPage(charSetRun, *m_listHost, m_pages);
    addPage(names::kPoemPicker, QStringLiteral("诗词模式2"), picker);
    setPageAction(names::kPoemPicker, [picker] { picker->list()->writeCandidateHeader(); });
    connect(chooser, &generation::PoemChooserPage::poemChosen, this, [this, picker](const QString &text) {
        picker->setPoem(text);
        showPage(names::kPoemPicker);
    });
    connect(picker, &generation::PoemPickerPage::backRequested, this, [this] { showPage(names::kPoemChooser); });
    addPage(names::kEnglishNames, QStringLiteral("取英文名"), new othernames::EnglishNamePage(m_pages));
    auto *nicknames = new othernames::NicknamePage(m_pages);
    addPage(names::kNicknames, QStringLiteral("取小名"), nicknames);
    setPageAction(names::kNicknames, [nicknames] { nicknames->writeHeader(); });
    auto *scoring = new numerology::NameScoringPage(m_analysis, m_meaning, m_pages);
    scoring->setOriginDisplay(
        [reading = m_reading](const QString &title, const QString &html) { reading->showHtml(title, html); });
    addPage(names::kNameScoring, QStringLiteral("名字评分"), scoring);
    auto *chartPage = new birthchart::BirthChartPage(m_reading, m_pages);
    addPage(names::kBirthChart, QStringLiteral("生辰八字"), chartPage);
    m_pages->setCurrentWidget(home);

    const QString targets[] = {names::kHighScore, names::kClassic,   names::kPoemChooser,
                               names::kEnglishNames, names::kNicknames, names::kCustom};
    for (int i = 0; i < 6; ++i)
        connect(home->modeButton(i), &QToolButton::clicked, this,
                [this, target = targets[i]] { widgets::runGuarded(this, [&] { showPage(target); }); });

    // The birth chart always starts from the stored profile, and follows it when it is saved.
    setPageAction(names::kBirthChart, [chartPage] { chartPage->refresh(); });
    connect(m_settings, &profile::SettingsWindow::profileSaved, this, [this, chartPage] {
        if (currentPageName() == names::kBirthChart)
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
