#include "tools/ui/FunToolsWindow.h"

#include "data/SharedDatabase.h"
#include "calendar/StarSign.h"
#include "tools/FunLookups.h"
#include "tools/FunTexts.h"
#include "tools/WeddingDays.h"
#include "tools/ui/FunPictures.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumberList.h"
#include "widgets/TileToolBar.h"
#include "widgets/WindowPlacement.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qiming::tools {

namespace {

const QString kEntertainment = QStringLiteral("以上为民间说法，仅供娱乐参考。");
const QString kFingerprintType = QStringLiteral("指纹类型：");
const QString kFingerprintReading = QStringLiteral("性格分析：");
const QString kStarResult = QStringLiteral("星座配对结果：");
const QString kBabyResult = QStringLiteral("预测结果：");
const QString kBloodPair = QStringLiteral("配对血型为：");
const QString kBloodTitle = QStringLiteral("总体评价：");

QPlainTextEdit *readOnlyText(QWidget *parent, const char *name)
{
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setReadOnly(true);
    return text;
}

QLabel *label(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

QLabel *noteLabel(QWidget *parent)
{
    auto *l = label(kEntertainment, parent, "entertainmentNote");
    l->setStyleSheet(QStringLiteral("color: #888888;"));
    return l;
}

// Our table texts close with their own "仅供娱乐参考"; the page's note then stays hidden rather
// than say it twice on one screen.
void keepOneNote(QWidget *page, const QString &shown)
{
    if (auto *note = page->findChild<QLabel *>(QStringLiteral("entertainmentNote")))
        note->setHidden(shown.contains(QStringLiteral("仅供娱乐参考")));
}

QComboBox *list(const QStringList &items, QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(0);
    return box;
}

QPushButton *button(const QString &text, QWidget *parent, const char *name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(28);
    return b;
}

const QStringList &starSigns()
{
    static const QStringList signs = [] {
        QStringList out;
        for (int i = 0; i < 12; ++i)
            out << calendar::starSignName(i);
        return out;
    }();
    return signs;
}

} // namespace

const QStringList &FunToolsWindow::pageCaptions()
{
    static const QStringList captions{QStringLiteral("黄道吉日"), QStringLiteral("节日大全"),
                                      QStringLiteral("生肖运程"), QStringLiteral("生肖纪年对照表"),
                                      QStringLiteral("指纹预测"), QStringLiteral("星座配对"),
                                      QStringLiteral("生男生女"), QStringLiteral("血型配对")};
    return captions;
}

FunToolsWindow::FunToolsWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm13"));
    setWindowTitle(QStringLiteral("趣味工具"));
    widgets::setFixedClientSize(this, 720, 540);

    // Names of their own: the window is a child of the main window, where the main toolbar's
    // buttons are found by name.
    QToolBar *bar = widgets::makeTileToolBar(QStringLiteral("funToolBar"), this);
    struct Tool {
        const char *caption;
        const char *sign;
        QColor colour;
    };
    const Tool tools[] = {
        {"黄道吉日", "吉", QColor(0xd9, 0x4f, 0x3d)}, {"节日大全", "节", QColor(0xe0, 0x8a, 0x1e)},
        {"生肖运程", "运", QColor(0x3d, 0x8f, 0x5a)}, {"生肖纪年", "年", QColor(0x8e, 0x4a, 0x2c)},
        {"指纹预测", "纹", QColor(0x4f, 0x7f, 0xc9)}, {"星座配对", "星", QColor(0x6b, 0x55, 0xb8)},
        {"生男生女", "孕", QColor(0xd8, 0x5b, 0x9a)}, {"血型配对", "血", QColor(0xb0, 0x30, 0x3a)},
    };
    for (int i = 0; i < 8; ++i) {
        QToolButton *b = widgets::addTileButton(bar, QStringLiteral("funToolButton%1").arg(i + 1),
                                                QString::fromUtf8(tools[i].caption), QString::fromUtf8(tools[i].sign),
                                                tools[i].colour);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        connect(b, &QToolButton::clicked, this, [this, i] { showToolPage(i); });
        m_buttons << b;
    }

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("funPages"));
    m_pages->tabBar()->hide(); // pages are chosen with the toolbar only
    m_pages->setDocumentMode(true);
    QWidget *pages[] = {makeWeddingPage(), makeTextPage(festivalText()), makeFortunePage(),
                        makeTextPage(zodiacYearText()), makeFingerprintPage(), makeStarPage(),
                        makeBabyPage(), makeBloodPage()};
    for (int i = 0; i < 8; ++i) {
        pages[i]->setObjectName(QStringLiteral("funPage%1").arg(i + 1));
        m_pages->addTab(pages[i], pageCaptions().at(i));
    }
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        widgets::runGuarded(this, [&] { pageShown(index); });
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_pages, 1);
    m_buttons.first()->setChecked(true);
}

void FunToolsWindow::showToolPage(int index)
{
    if (index < 0 || index >= m_pages->count())
        return;
    m_buttons.at(index)->setChecked(true);
    m_pages->setCurrentIndex(index); // emits currentChanged only on a change
}

void FunToolsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
    widgets::runGuarded(this, [&] { pageShown(m_pages->currentIndex()); });
}

void FunToolsWindow::pageShown(int index)
{
    if (index == 0)
        showWeddingDays();
    else if (index == 2 && m_animal->count() == 0) {
        const data::RowSet &rows = zodiacFortunes(data::sharedDatabase());
        m_animal->blockSignals(true);
        for (int r = 0; r < rows.rowCount(); ++r)
            m_animal->addItem(rows.value(r, QStringLiteral("生肖")));
        m_animal->blockSignals(false);
        if (rows.rowCount() > 0) {
            m_animal->setCurrentIndex(0);
            showZodiacFortune(0);
        }
    }
}

// ---- 黄道吉日 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeWeddingPage()
{
    auto *page = new QWidget(m_pages);
    m_year = list({}, page, "yearList");
    for (int y = kFirstAlmanacYear; y <= kLastAlmanacYear; ++y)
        m_year->addItem(QStringLiteral("%1年").arg(y), y);
    const int thisYear = QDate::currentDate().year();
    m_year->setCurrentIndex(std::clamp(thisYear, kFirstAlmanacYear, kLastAlmanacYear) - kFirstAlmanacYear);
    m_weddingText = readOnlyText(page, "weddingText");
    connect(m_year, &QComboBox::currentIndexChanged, this, [this] { showWeddingDays(); });

    auto *top = new QHBoxLayout;
    top->addWidget(label(QStringLiteral("年份："), page));
    top->addWidget(m_year);
    top->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_weddingText, 1);
    return page;
}

void FunToolsWindow::showWeddingDays()
{
    // Computed when the page shows a year it has not shown yet.
    const int year = m_year->currentData().toInt();
    if (year == m_weddingYearShown)
        return;
    m_weddingText->setPlainText(weddingDayText(year));
    m_weddingYearShown = year;
}

// ---- 节日大全, 生肖纪年对照表 --------------------------------------------------------

QWidget *FunToolsWindow::makeTextPage(const QString &text)
{
    auto *page = new QWidget(m_pages);
    auto *box = readOnlyText(page, "fixedText");
    box->setTabStopDistance(48);
    box->setPlainText(text);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(box);
    return page;
}

// ---- 生肖运程 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeFortunePage()
{
    auto *page = new QWidget(m_pages);
    m_animal = list({}, page, "zodiacList");
    m_animal->setMinimumWidth(120);
    m_fortune = readOnlyText(page, "fortuneText");
    connect(m_animal, &QComboBox::activated, this, [this](int row) {
        widgets::runGuarded(this, [&] { showZodiacFortune(row); });
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label(QStringLiteral("介绍：十二生肖流年运势，为你预测今年运势走向"), page));
    auto *row = new QHBoxLayout;
    row->addWidget(m_animal);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(m_fortune, 1);
    layout->addWidget(noteLabel(page));
    return page;
}

void FunToolsWindow::showZodiacFortune(int row)
{
    data::RowSet &rows = zodiacFortunes(data::sharedDatabase());
    if (row < 0 || row >= rows.rowCount())
        return;
    rows.setCurrentRow(row);
    m_fortune->setPlainText(rows.field(QStringLiteral("运势")));
    keepOneNote(m_fortune->parentWidget(), m_fortune->toPlainText());
}

// ---- 指纹预测 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeFingerprintPage()
{
    auto *page = new QWidget(m_pages);
    auto *intro = label(QStringLiteral(
        "指纹在出生前就已长成，终身不变，民间相信从指纹可以看出一个人的性格。指纹大体分两种："
        "纹路绕成圆圈的叫“斗”（也叫“箩”），纹路从一侧流入、转个弯又从同一侧流出的叫“簸箕”（也叫“箕”）。"
        "按“男左女右”的习惯，男士看左手，女士看右手，从大拇指起依次看到小指：斗记作字母 O，簸箕记作字母 X。"
        "把这五个字母按顺序填入下面的框中，再点击“立刻测算”。"), page);
    auto *picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("fingerprintPicture"));
    picture->setPixmap(fingerprintKindsPicture());
    m_fingerprint = new QLineEdit(page);
    m_fingerprint->setObjectName(QStringLiteral("fingerprintEdit"));
    m_fingerprint->setMaxLength(5);
    m_fingerprint->setFixedWidth(120);
    auto *go = button(QStringLiteral("立刻测算"), page, "fingerprintButton");
    m_fingerprintType = label(kFingerprintType, page, "fingerprintTypeLabel");
    m_fingerprintReading = label(kFingerprintReading, page, "fingerprintReadingLabel");
    connect(go, &QPushButton::clicked, this, [this] { widgets::runGuarded(this, [&] { lookUpFingerprint(); }); });
    connect(m_fingerprint, &QLineEdit::returnPressed, go, &QPushButton::click);

    auto *top = new QHBoxLayout;
    top->addWidget(intro, 1);
    top->addWidget(picture);
    auto *input = new QHBoxLayout;
    input->addWidget(label(QStringLiteral("请输入您的指纹"), page));
    input->addWidget(m_fingerprint);
    input->addWidget(go);
    input->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(input);
    layout->addWidget(m_fingerprintType);
    layout->addWidget(m_fingerprintReading);
    layout->addStretch();
    layout->addWidget(noteLabel(page));
    return page;
}

void FunToolsWindow::lookUpFingerprint()
{
    const auto found = lookupFingerprint(data::sharedDatabase(), m_fingerprint->text());
    if (!found) {
        widgets::showInformation(this, QStringLiteral("输入有误，请检查"));
        return;
    }
    m_fingerprintType->setText(kFingerprintType + found->code);
    m_fingerprintReading->setText(kFingerprintReading + found->reading);
    keepOneNote(m_fingerprintReading->parentWidget(), found->reading);
}

// ---- 星座配对 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeStarPage()
{
    auto *page = new QWidget(m_pages);
    auto *picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("starPicture"));
    picture->setPixmap(starSignsPicture());
    m_mySign = list(starSigns(), page, "mySignList");
    m_partnerSign = list(starSigns(), page, "partnerSignList");
    auto *go = button(QStringLiteral("开始配对"), page, "starButton");
    m_starTitle = label(kStarResult, page, "starTitleLabel");
    m_starContent1 = label(QString(), page, "starContentLabel");
    m_starContent2 = readOnlyText(page, "starText");
    connect(go, &QPushButton::clicked, this, [this] { widgets::runGuarded(this, [&] { matchStarSigns(); }); });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("我的星座"), m_mySign);
    form->addRow(QStringLiteral("ta的星座"), m_partnerSign);
    form->addRow(QString(), go);
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(16);
    top->addLayout(form);
    top->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_starTitle);
    layout->addWidget(m_starContent1);
    layout->addWidget(m_starContent2, 1);
    layout->addWidget(noteLabel(page));
    return page;
}

void FunToolsWindow::matchStarSigns()
{
    const StarPairing pair = lookupStarPairing(data::sharedDatabase(), m_mySign->currentText(),
                                               m_partnerSign->currentText());
    m_starTitle->setText(kStarResult + QLatin1Char(' ') + pair.title);
    m_starContent1->setText(pair.content1);
    m_starContent2->setPlainText(pair.content2);
    keepOneNote(m_starContent2->parentWidget(), pair.content1 + pair.content2);
}

// ---- 生男生女 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeBabyPage()
{
    auto *page = new QWidget(m_pages);
    m_age = widgets::makeNumberList(QStringLiteral("ageList"), 18, 45, 10, page);
    m_month = widgets::makeNumberList(QStringLiteral("monthList"), 1, 12, 10, page);
    auto *go = button(QStringLiteral("马上预测"), page, "babyButton");
    m_babyResult = label(kBabyResult, page, "babyResultLabel");
    m_babyResult->setStyleSheet(QStringLiteral("color: #c0392b; font-weight: bold;"));
    connect(go, &QPushButton::clicked, this, [this] { widgets::runGuarded(this, [&] { predictBabyGender(); }); });

    m_age->setMinimumWidth(100);
    m_month->setMinimumWidth(100);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("女方年龄（虚岁）"), m_age);
    form->addRow(QStringLiteral("怀孕月份（农历）"), m_month);
    form->addRow(QString(), go);
    auto *explanation = label(QStringList{QStringLiteral("本数据来源流传多年的《清宫珍藏生男生女预测表》。"),
                                          QStringLiteral("该表相传是依据阴阳五行和八卦的演绎，再加上时间推算而得"),
                                          QStringLiteral("妇女只须根据该表，按月“计划”受孕，就能控制生男孩或生女孩。"),
                                          QStringLiteral("预测方法："),
                                          QStringLiteral("1，选择女性年龄。以农历虚龄（即真实年龄加１岁）算；"),
                                          QStringLiteral("2，选择怀孕月份，即是受孕的那个月份，亦是以农历算。")}
                                  .join(QLatin1Char('\n')),
                              page, "babyExplanation");
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label(QStringLiteral("想预测一下，你们会生个男宝宝还是女宝宝吗？"), page));
    layout->addLayout(form);
    layout->addWidget(m_babyResult);
    layout->addSpacing(12);
    layout->addWidget(explanation);
    layout->addStretch();
    layout->addWidget(noteLabel(page));
    return page;
}

void FunToolsWindow::predictBabyGender()
{
    switch (predictBaby(data::sharedDatabase(), m_age->currentText(), m_month->currentText().toInt())) {
    case BabyPrediction::Boy:
        m_babyResult->setText(QStringLiteral("预测结果：恭喜您，根据预测表，您可能会有一个小王子！"));
        break;
    case BabyPrediction::Girl:
        m_babyResult->setText(QStringLiteral("预测结果：恭喜您，根据预测表，您可能会有一个小公主！"));
        break;
    case BabyPrediction::NoData:
        m_babyResult->setText(QStringLiteral("预测结果：预测表中没有这个年龄和月份的数据。"));
        break;
    }
}

// ---- 血型配对 ----------------------------------------------------------------------

QWidget *FunToolsWindow::makeBloodPage()
{
    auto *page = new QWidget(m_pages);
    const QStringList types{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("O"), QStringLiteral("AB")};
    m_manBlood = list(types, page, "manBloodList");
    m_womanBlood = list(types, page, "womanBloodList");
    auto *go = button(QStringLiteral("查看"), page, "bloodButton");
    m_bloodPair = label(kBloodPair, page, "bloodPairLabel");
    m_bloodTitle = label(kBloodTitle, page, "bloodTitleLabel");
    m_bloodContent = readOnlyText(page, "bloodText");
    connect(go, &QPushButton::clicked, this, [this] { widgets::runGuarded(this, [&] { matchBloodTypes(); }); });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("选择男方血型"), m_manBlood);
    form->addRow(QStringLiteral("选择女方血型"), m_womanBlood);
    auto *top = new QHBoxLayout;
    top->addLayout(form);
    top->addSpacing(16);
    top->addWidget(go, 0, Qt::AlignBottom);
    top->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_bloodPair);
    layout->addWidget(m_bloodTitle);
    layout->addWidget(m_bloodContent, 1);
    layout->addWidget(noteLabel(page));
    return page;
}

void FunToolsWindow::matchBloodTypes()
{
    const QString man = m_manBlood->currentText();
    const QString woman = m_womanBlood->currentText();
    const BloodPairing pair = lookupBloodPairing(data::sharedDatabase(), man, woman);
    m_bloodPair->setText(QStringLiteral("配对血型为：  男方血型为 %1；  女方血型为 %2").arg(man, woman));
    m_bloodTitle->setText(QStringLiteral("总体评价：    ") + pair.title);
    m_bloodContent->clear();
    m_bloodContent->setPlainText(pair.content);
    keepOneNote(m_bloodContent->parentWidget(), pair.content);
}

} // namespace qiming::tools
