#include "birthchart/ui/BirthChartPanel.h"

#include "data/TextNumber.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumberList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qiming::birthchart {

namespace {

QLineEdit *outputField(const QString &name, int width, QWidget *parent)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFixedWidth(width);
    f->setAlignment(Qt::AlignCenter);
    return f;
}

} // namespace

BirthChartPanel::BirthChartPanel(bool useProfileAtStart, const QString &noneMissingText, QWidget *parent)
    : QWidget(parent)
    , m_noneMissingText(noneMissingText)
{
    auto *choice = new QGroupBox(QStringLiteral("请选择要计算八字的日期"), this);
    choice->setObjectName(QStringLiteral("GroupBox1"));
    m_useProfile = new QRadioButton(QStringLiteral("使用信息设置的生日    "), choice);
    m_useProfile->setObjectName(QStringLiteral("RadioButton1"));
    m_useManual = new QRadioButton(QStringLiteral("手工选择"), choice);
    m_useManual->setObjectName(QStringLiteral("RadioButton2"));
    (useProfileAtStart ? m_useProfile : m_useManual)->setChecked(true);

    const char *units[5] = {"年", "月", "日", "时", "分"};
    auto *profileRow = new QHBoxLayout;
    profileRow->addWidget(m_useProfile);
    for (int i = 0; i < 5; ++i) {
        m_profileFields[i] = outputField(QStringLiteral("profileField%1").arg(i + 1), i == 0 ? 52 : 36, choice);
        profileRow->addWidget(m_profileFields[i]);
        profileRow->addWidget(new QLabel(QString::fromUtf8(units[i]), choice));
    }
    profileRow->addStretch();
    m_lists[0] = widgets::makeNumberList(QStringLiteral("yearList"), 1900, 2075, 12, choice, 2013);
    m_lists[1] = widgets::makeNumberList(QStringLiteral("monthList"), 1, 12, 12, choice, 1);
    m_lists[2] = widgets::makeNumberList(QStringLiteral("dayList"), 1, 31, 12, choice, 8);
    m_lists[3] = widgets::makeNumberList(QStringLiteral("hourList"), 0, 23, 12, choice, 8);
    m_lists[4] = widgets::makeNumberList(QStringLiteral("minuteList"), 0, 59, 12, choice, 8);
    auto *manualRow = new QHBoxLayout;
    manualRow->addWidget(m_useManual);
    for (int i = 0; i < 5; ++i) {
        manualRow->addWidget(m_lists[i]);
        manualRow->addWidget(new QLabel(QString::fromUtf8(units[i]), choice));
    }
    manualRow->addStretch();
    auto *choiceLayout = new QVBoxLayout(choice);
    choiceLayout->addLayout(profileRow);
    choiceLayout->addLayout(manualRow);

    m_compute = new QPushButton(QStringLiteral("计算八字"), this);
    m_compute->setObjectName(QStringLiteral("Button24"));
    m_compute->setMinimumSize(96, 30);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const auto label = [this](const char *text) { return new QLabel(QString::fromUtf8(text), this); };
    grid->addWidget(label("八字四柱： "), 0, 0);
    grid->addWidget(label("八字 五行："), 1, 0);
    grid->addWidget(label("纳         音："), 2, 0);
    for (int i = 0; i < 4; ++i) {
        m_pillars[i] = outputField(QStringLiteral("Edit%1").arg(13 + i), 80, this);
        m_elements[i] = outputField(QStringLiteral("Edit%1").arg(17 + i), 80, this);
        m_nayin[i] = outputField(QStringLiteral("Edit%1").arg(5 + i), 80, this);
        grid->addWidget(m_pillars[i], 0, 1 + i);
        grid->addWidget(m_elements[i], 1, 1 + i);
        grid->addWidget(m_nayin[i], 2, 1 + i);
    }
    grid->addWidget(label("生日(农历):   "), 3, 0);
    m_lunar = outputField(QStringLiteral("Edit21"), 250, this);
    m_weekday = outputField(QStringLiteral("Edit22"), 80, this);
    grid->addWidget(m_lunar, 3, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(m_weekday, 3, 4);
    auto *signRow = new QHBoxLayout;
    m_starSign = outputField(QStringLiteral("Edit23"), 80, this);
    m_zodiac = outputField(QStringLiteral("Edit24"), 50, this);
    signRow->addWidget(label("星座："));
    signRow->addWidget(m_starSign);
    signRow->addSpacing(16);
    signRow->addWidget(label("生肖："));
    signRow->addWidget(m_zodiac);
    signRow->addStretch();
    grid->addLayout(signRow, 4, 0, 1, 5);
    grid->setColumnStretch(5, 1);

    m_missing = new QLabel(this);
    m_missing->setObjectName(QStringLiteral("Label12"));
    m_missing->setStyleSheet(QStringLiteral("QLabel { color: #b03a2e; font-weight: bold; }"));
    m_termNote = new QLabel(this);
    m_termNote->setObjectName(QStringLiteral("termNote"));
    m_termNote->setWordWrap(true);
    m_termNote->setStyleSheet(QStringLiteral("QLabel { color: #8a5a00; }"));
    m_termNote->hide();

    auto *computeRow = new QHBoxLayout;
    computeRow->addWidget(m_compute);
    computeRow->addSpacing(20);
    computeRow->addWidget(m_missing);
    computeRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choice);
    layout->addLayout(computeRow);
    layout->addLayout(grid);
    layout->addWidget(m_termNote);

    connect(m_compute, &QPushButton::clicked, this, [this] { compute(); });
    showProfile();
}

void BirthChartPanel::showProfile()
{
    const profile::BabyProfile &p = profile::liveProfile();
    const QString values[5] = {p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute};
    for (int i = 0; i < 5; ++i)
        m_profileFields[i]->setText(values[i]);
}

bool BirthChartPanel::compute()
{
    bool done = false;
    widgets::runGuarded(this, [&] {
        QString texts[5];
        if (m_useProfile->isChecked()) {
            profile::ensureProfileLoaded(); // 人工取名 may be the first to ask for it
            showProfile();
            for (int i = 0; i < 5; ++i)
                texts[i] = m_profileFields[i]->text();
        } else {
            for (int i = 0; i < 5; ++i)
                texts[i] = m_lists[i]->currentText();
        }
        int n[5];
        for (int i = 0; i < 5; ++i)
            n[i] = data::parseInteger(texts[i]); // throws the conversion error
        const BirthChart chart = computeBirthChart(n[0], n[1], n[2], n[3], n[4]);
        showChart(chart, texts[1], texts[2]);
        if (const auto term = nearbyMonthTerm(n[0], n[1], n[2], n[3], n[4])) {
            m_termNote->setText(
                QStringLiteral("提示：出生时间离%1（%2月%3日 %4:%5）不到半小时。八字的月柱在%1这一刻交替%6，"
                               "出生时间差几分钟，八字就可能不同，请以准确的出生时间为准。")
                    .arg(term->name)
                    .arg(term->month)
                    .arg(term->day)
                    .arg(term->hour)
                    .arg(term->minute, 2, 10, QLatin1Char('0'))
                    .arg(term->name == QStringLiteral("立春") ? QStringLiteral("（年柱也在这一刻交替）") : QString()));
            m_termNote->show();
        } else {
            m_termNote->hide();
            m_termNote->clear();
        }
        done = true;
    });
    return done;
}

void BirthChartPanel::showChart(const BirthChart &chart, const QString &month, const QString &day)
{
    for (int i = 0; i < 4; ++i) {
        m_pillars[i]->setText(chart.pillars[i]);
        m_elements[i]->setText(chart.elements[i]);
        m_nayin[i]->setText(chart.nayin[i]);
    }
    if (!chart.lunarBirthday.isEmpty())
        m_lunar->setText(chart.lunarBirthday);
    m_weekday->setText(chart.weekday);
    m_starSign->setText(chart.starSign);
    m_zodiac->setText(chart.zodiac);
    m_missing->setText(chart.missingElements.isEmpty() ? m_noneMissingText : chart.missingElementsText());
    m_chart = chart;
    m_chartMonth = month;
    m_chartDay = day;
}

} // namespace qiming::birthchart
