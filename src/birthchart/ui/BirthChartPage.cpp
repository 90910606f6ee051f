#include "birthchart/ui/BirthChartPage.h"

#include "birthchart/BirthReadings.h"
#include "birthchart/ui/BirthChartPanel.h"
#include "birthchart/ui/ReadingWindow.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"
#include "profile/BabyProfile.h"
#include "widgets/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qiming::birthchart {

namespace {

const char kAboutCharts[] =
    "生辰八字或者说八字，是周易术语四柱的另一种说法。四柱指出生的年、月、日、时，每一柱由一个天干和一个地支组成，"
    "共八个字，所以叫八字。传统上用八字所含的金、木、水、火、土来看五行的多少，取名时常用名字的五行补八字之所缺。"
    "这是一种民俗传统，仅供参考；孩子的成长，更在于家人的陪伴与教育。";

} // namespace

BirthChartPage::BirthChartPage(ReadingWindow *readings, QWidget *parent)
    : QWidget(parent)
    , m_readingWindow(readings)
    , m_panel(new BirthChartPanel(true, QStringLiteral("五行不缺"), this))
{
    auto *about = new QLabel(QString::fromUtf8(kAboutCharts), this);
    about->setObjectName(QStringLiteral("aboutCharts"));
    about->setWordWrap(true);
    about->setStyleSheet(QStringLiteral("QLabel { color: #4a4a4a; }"));

    const char *captions[4] = {"生肖分析", "生日分析", "星座分析", "历史上的今天"};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_readings[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        m_readings[i]->setObjectName(QStringLiteral("readingButton%1").arg(i + 1));
        m_readings[i]->setMinimumSize(110, 30);
        buttons->addWidget(m_readings[i]);
    }
    buttons->addStretch();
    connect(m_readings[0], &QPushButton::clicked, this, [this] { showZodiacReading(); });
    connect(m_readings[1], &QPushButton::clicked, this, [this] { showBirthdayReading(); });
    connect(m_readings[2], &QPushButton::clicked, this, [this] { showStarSignReading(); });
    connect(m_readings[3], &QPushButton::clicked, this, [this] { showHistoryToday(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addSpacing(6);
    layout->addWidget(about);
    layout->addLayout(buttons);
    layout->addStretch();
}

void BirthChartPage::refresh()
{
    widgets::runGuarded(this, [this] {
        profile::reloadProfile();
        m_panel->showProfile();
    });
    m_panel->compute();
}

// The readings follow the chart last computed, never lists changed since.
void BirthChartPage::showZodiacReading()
{
    if (!m_panel->hasChart())
        return;
    widgets::runGuarded(this, [this] {
        const QString animal = m_panel->chart().zodiac;
        const QString html = zodiacReading(data::sharedDatabase(), animal);
        if (!html.isEmpty())
            m_readingWindow->showHtml(QStringLiteral("生肖分析 --") + animal, html);
    });
}

void BirthChartPage::showStarSignReading()
{
    if (!m_panel->hasChart())
        return;
    widgets::runGuarded(this, [this] {
        const QString sign = m_panel->chart().starSign;
        const QString html = starSignReading(data::sharedDatabase(), sign);
        if (!html.isEmpty())
            m_readingWindow->showHtml(QStringLiteral("星座分析 --") + sign, html);
    });
}

void BirthChartPage::showBirthdayReading()
{
    if (!m_panel->hasChart())
        return;
    widgets::runGuarded(this, [this] {
        const QString month = m_panel->chartMonth(), day = m_panel->chartDay();
        const QString text =
            birthdayReading(data::sharedDatabase(), data::parseInteger(month), data::parseInteger(day));
        if (!text.isEmpty())
            m_readingWindow->showTextModal(QStringLiteral("生日分析 ") + month + QStringLiteral("月") + day + QStringLiteral("日"),
                                    text);
    });
}

void BirthChartPage::showHistoryToday()
{
    if (!m_panel->hasChart())
        return;
    widgets::runGuarded(this, [this] {
        const QString month = m_panel->chartMonth(), day = m_panel->chartDay();
        const QString html = historyToday(data::sharedDatabase(), month, day);
        if (!html.isEmpty())
            m_readingWindow->showHtml(QStringLiteral("历史上的今天-- ") + month + QStringLiteral("月") + day + QStringLiteral("日"),
                               html);
    });
}

} // namespace qiming::birthchart
