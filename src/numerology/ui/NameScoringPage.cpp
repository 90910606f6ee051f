#include "numerology/ui/NameScoringPage.h"

#include "data/SharedDatabase.h"
#include "numerology/Lookups.h"
#include "numerology/NameReport.h"
#include "numerology/PoemSource.h"
#include "numerology/SharedNumerology.h"
#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameMeaningWindow.h"
#include "widgets/CharacterLimit.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::numerology {

namespace {

const char kExplanation[] =
    "说明：五格是由姓名各字的笔画推算出来的。天格来自祖先，是姓氏所定，对人影响不大；人格又称主运，"
    "是整个姓名的中心；地格又称前运，影响中年以前；总格又称后运，影响中年到晚年；外格主社交能力，"
    "其数理不用重点去看。\n\n"
    "天、人、地三才的配置影响身体健康和一生是否顺遂：人格与地格合看基础运，天格与人格合看成功运，"
    "外格与人格合看人际关系。";

QLineEdit *nameBox(const char *objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    widgets::limitCharacters(edit, 2);
    edit->setFixedWidth(120);
    return edit;
}

} // namespace

NameScoringPage::NameScoringPage(AnalysisWindow *analysisWindow, NameMeaningWindow *meaningWindow, QWidget *parent)
    : QWidget(parent)
    , m_analysisWindow(analysisWindow)
    , m_meaningWindow(meaningWindow)
{
    auto *group = new QGroupBox(QStringLiteral("名字信息"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);

    m_gender = new QComboBox(group);
    m_gender->setObjectName(QStringLiteral("ComboBox1"));
    m_gender->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_gender->setFixedWidth(120);
    m_surname = nameBox("Edit1", group);
    m_given = nameBox("Edit2", group);
    grid->addWidget(new QLabel(QStringLiteral("请选择性别  "), group), 0, 0, Qt::AlignRight);
    grid->addWidget(m_gender, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("姓  "), group), 1, 0, Qt::AlignRight);
    grid->addWidget(m_surname, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("名  "), group), 2, 0, Qt::AlignRight);
    grid->addWidget(m_given, 2, 1);

    m_score = new QPushButton(QStringLiteral("名字评分"), group);
    m_score->setObjectName(QStringLiteral("Button1"));
    m_origin = new QPushButton(QStringLiteral("姓氏起源"), group);
    m_origin->setObjectName(QStringLiteral("Button2"));
    m_lookup = new QPushButton(QStringLiteral("检索名字"), group);
    m_lookup->setObjectName(QStringLiteral("Button3"));
    for (QPushButton *b : {m_score, m_origin, m_lookup})
        b->setMinimumSize(100, 30);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(m_score);
    buttons->addWidget(m_origin);
    buttons->addSpacing(24);
    buttons->addWidget(m_lookup);
    buttons->addWidget(new QLabel(QStringLiteral("在新华字典中检索，\n查阅名字的含义  "), group));
    buttons->addStretch();
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto *explanation = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation->setObjectName(QStringLiteral("Label5"));
    explanation->setWordWrap(true);
    explanation->setStyleSheet(QStringLiteral("QLabel { color: #4a4a4a; line-height: 150%; }"));

    // 诗词出处 of the name last scored.
    m_sources = new QLabel(this);
    m_sources->setObjectName(QStringLiteral("poemSourceLabel"));
    m_sources->setWordWrap(true);
    m_sources->setTextFormat(Qt::RichText);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(group);
    layout->addSpacing(20);
    layout->addWidget(explanation);
    layout->addSpacing(12);
    m_chartLine = new QLabel(this);
    m_chartLine->setObjectName(QStringLiteral("chartVerdictLabel"));
    m_chartLine->setWordWrap(true);
    layout->addWidget(m_chartLine);
    layout->addWidget(m_sources);
    layout->addStretch();

    connect(m_gender, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_genderCode = text == u"男" ? QStringLiteral("nan") : QStringLiteral("nv");
    });
    connect(m_score, &QPushButton::clicked, this, &NameScoringPage::scoreEnteredName);
    connect(m_origin, &QPushButton::clicked, this, &NameScoringPage::showSurnameOrigin);
    // Enter in either box scores, as the button does.
    connect(m_surname, &QLineEdit::returnPressed, this, &NameScoringPage::scoreEnteredName);
    connect(m_given, &QLineEdit::returnPressed, this, &NameScoringPage::scoreEnteredName);
    connect(m_lookup, &QPushButton::clicked, this, &NameScoringPage::lookupNameMeaning);
}

void NameScoringPage::scoreEnteredName()
{
    widgets::runGuarded(this, [this] {
        const auto scored = scoreTypedName(m_surname->text(), m_given->text(), m_genderCode);
        if (!scored) {
            widgets::showInformation(this, QStringLiteral("您的输入有误！"));
            return;
        }
        showPoemSources(m_given->text());
        const std::optional<ChartVerdict> verdict = chartVerdictFor(data::sharedDatabase(), *scored);
        m_chartLine->setText(verdict ? QStringLiteral("八字与名字：") + verdict->line : QString());
        m_analysisWindow->showReportGuarded(*scored);
    });
}

void NameScoringPage::showSurnameOrigin()
{
    widgets::runGuarded(this, [this] {
        const QString surname = m_surname->text();
        if (surname.isEmpty() || !isAllInDictionary(surname)) {
            widgets::showMessage(this, QStringLiteral("提示"), QStringLiteral("您的输入有误！"));
            return;
        }
        const QString intro = surnameOrigin(data::sharedDatabase(), surname);
        if (intro.isEmpty()) {
            widgets::showMessage(this, QStringLiteral("提示"),
                               QStringLiteral("对不起，暂时没有您要查找的姓氏信息，麻烦告诉我们哦~"));
            return;
        }
        if (m_showOrigin)
            m_showOrigin(QStringLiteral("百家姓 --") + surname, intro);
    });
}

void NameScoringPage::showPoemSources(const QString &given)
{
    QString text = QStringLiteral("<b>诗词出处：</b>");
    const std::vector<PoemSource> found = findPoemSources(given);
    if (found.empty())
        text += QStringLiteral("在收录的诗词中没有找到“%1”同在一句或一联的诗句。").arg(given.toHtmlEscaped());
    if (!found.empty() && !found.front().together)
        text += QStringLiteral("没有找到“%1”二字同在一句或一联的诗句，以下是两字各自出现的诗句。").arg(given.toHtmlEscaped());
    for (const PoemSource &s : found)
        text += QStringLiteral("<br>“%1”——%2·%3《%4》")
                    .arg(s.verse.toHtmlEscaped(), s.dynasty.toHtmlEscaped(), s.poet.toHtmlEscaped(),
                         s.title.toHtmlEscaped());
    m_sources->setText(text);
}

void NameScoringPage::lookupNameMeaning()
{
    widgets::runGuarded(this, [this] {
        const QString given = m_given->text();
        const QString first = given.left(1);
        const QString second = given.mid(1, 1);
        m_firstMeaning = isAllInDictionary(first) ? first : QString();
        m_secondMeaning = isAllInDictionary(second) ? second : QString();
        if (m_firstMeaning.isEmpty() && m_secondMeaning.isEmpty())
            return;
        m_meaningWindow->showMeanings(m_firstMeaning, m_secondMeaning);
    });
}

} // namespace qiming::numerology
