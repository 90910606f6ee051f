// The birth chart's outputs for boundary birth times: the day of 立春, hour 23, leap months,
// the ends of the lunar calendar's years, and table 纳音.
#include "TestSupport.h"

#include "birthchart/BirthChart.h"
#include "calendar/EDateException.h"
#include "data/Database.h"
#include "data/DatabaseBuilder.h"

#include <gtest/gtest.h>

#include <array>

using namespace qiming;
using namespace qiming::test;

namespace {

QString joined(const QString (&parts)[4])
{
    return QStringList{parts[0], parts[1], parts[2], parts[3]}.join(QLatin1Char(' '));
}

} // namespace

TEST(BirthChartTest, CalendarOutputsOfBoundaryBirthTimes)
{
    const struct {
        int y, m, d, h, min;
        const char *pillars, *elements, *lunar, *weekday, *starSign, *zodiac, *missing;
    } cases[] = {
        {2024, 2, 10, 12, 0, "甲辰 丙寅 甲辰 庚午", "木土 火木 木土 金火", "甲辰年一月初一日午时", "星期六", "水瓶座", "龙",
         "五行缺 水  "},
        // Hour 23: the next day for the day pillar and the lunar birthday, not for the weekday.
        {2024, 2, 9, 23, 0, "甲辰 丙寅 甲辰 甲子", "木土 火木 木土 木水", "甲辰年一月初一日子时", "星期五", "水瓶座", "龙",
         "五行缺 金  "},
        // Before 立春 (16:27) year and month pillars are both the old year's; the lunar birthday
        // names its own lunar year, also after 立春.
        {2024, 2, 4, 10, 0, "癸卯 乙丑 戊戌 丁巳", "水木 木土 土土 火火", "癸卯年十二月廿五日巳时", "星期天", "水瓶座", "兔",
         "五行缺 金  "},
        {2024, 2, 4, 16, 40, "甲辰 丙寅 戊戌 庚申", "木土 火木 土土 金金", "癸卯年十二月廿五日申时", "星期天", "水瓶座", "龙",
         "五行缺 水  "},
        {2024, 2, 5, 12, 0, "甲辰 丙寅 己亥 庚午", "木土 火木 土水 金火", "癸卯年十二月廿六日午时", "星期一", "水瓶座", "龙",
         "五行不缺"},
        {2023, 3, 22, 12, 0, "癸卯 乙卯 己卯 庚午", "水木 木木 土木 金火", "癸卯年 闰二月初一日午时", "星期三", "白羊座", "兔",
         "五行不缺"},
        // Hour 23 on December 31 rolls over to the next civil year.
        {2024, 12, 31, 23, 0, "甲辰 丙子 庚午 丙子", "木土 火水 金火 火水", "甲辰年十二月初二日子时", "星期二", "摩羯座", "龙",
         "五行不缺"},
        {2024, 3, 1, 12, 0, "甲辰 丙寅 甲子 庚午", "木土 火木 木水 金火", "甲辰年一月廿一日午时", "星期五", "双鱼座", "龙",
         "五行不缺"},
        // The next day lies outside the lunar calendar's years.
        {2100, 12, 31, 23, 0, "庚申 戊子 戊申 壬子", "金金 土水 土金 水水", "", "星期五", "摩羯座", "猴", "五行缺 木  火  "},
    };
    for (const auto &c : cases) {
        const birthchart::BirthChart chart = birthchart::computeCalendarChart(c.y, c.m, c.d, c.h, c.min);
        const std::string at = std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d) + " "
                               + std::to_string(c.h) + ":" + std::to_string(c.min);
        EXPECT_EQ(joined(chart.pillars).toStdString(), c.pillars) << at;
        EXPECT_EQ(joined(chart.elements).toStdString(), c.elements) << at;
        EXPECT_EQ(chart.lunarBirthday.toStdString(), c.lunar) << at;
        EXPECT_EQ(chart.weekday.toStdString(), c.weekday) << at;
        EXPECT_EQ(chart.starSign.toStdString(), c.starSign) << at;
        EXPECT_EQ(chart.zodiac.toStdString(), c.zodiac) << at;
        EXPECT_EQ(chart.missingElementsText().toStdString(), c.missing) << at;
    }
}

TEST(BirthChartTest, ElementsOfCycleCharacters)
{
    const QString stemsAndBranches = QStringLiteral("甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥");
    const QString elements = QStringLiteral("木木火火土土金金水水水土木木土火火土金金土水");
    for (qsizetype i = 0; i < stemsAndBranches.size(); ++i)
        EXPECT_EQ(birthchart::elementOfCycleCharacter(stemsAndBranches.at(i)), elements.at(i)) << i;
    EXPECT_EQ(birthchart::elementOfCycleCharacter(QChar(u'年')), QString());
}

TEST(BirthChartTest, ImpossibleDateChangesNothing)
{
    EXPECT_THROW(birthchart::computeCalendarChart(2023, 2, 30, 12, 0), calendar::EDateException);
    EXPECT_THROW(birthchart::computeCalendarChart(1582, 10, 10, 12, 0), calendar::EDateException);
}

TEST(BirthChartTest, NayinFromTable)
{
    WorkingDir dir;
    data::Database db;
    openFixtureDatabase(db, dir, data::defaultSourceDirs().first());
    const birthchart::BirthChart chart = birthchart::computeBirthChart(db, 2024, 2, 10, 12, 0);
    EXPECT_EQ(joined(chart.nayin), QStringLiteral("覆灯火 炉中火 覆灯火 路旁土"));
    EXPECT_EQ(chart.lunarBirthday, QStringLiteral("甲辰年一月初一日午时"));
}

TEST(BirthChartTest, PillarWithoutNayinRowIsEmpty)
{
    // The general fixture tables hold no 纳音 rows.
    WorkingDir dir;
    data::Database db;
    openFixtureDatabase(db, dir);
    const birthchart::BirthChart chart = birthchart::computeBirthChart(db, 2024, 2, 10, 12, 0);
    EXPECT_EQ(joined(chart.nayin), QStringLiteral("   "));
    EXPECT_EQ(chart.pillars[0], QStringLiteral("甲辰"));
}

TEST(BirthChartTest, NearbyMonthTermNamesTheTermAndItsMinute)
{
    const struct {
        int y, m, d, h, min;
        const char *name; // empty: no 节 within 30 minutes
        int termMonth, termDay, termHour, termMinute, away;
    } cases[] = {
        {2024, 2, 4, 16, 10, "立春", 2, 4, 16, 27, -17},
        {2024, 2, 4, 16, 57, "立春", 2, 4, 16, 27, 30},
        {2024, 2, 4, 16, 58, "", 0, 0, 0, 0, 0},
        {2024, 2, 4, 10, 0, "", 0, 0, 0, 0, 0},
        {2024, 12, 6, 23, 30, "大雪", 12, 6, 23, 17, 13},
        {2025, 1, 5, 10, 20, "小寒", 1, 5, 10, 33, -13},
    };
    for (const auto &c : cases) {
        const auto t = birthchart::nearbyMonthTerm(c.y, c.m, c.d, c.h, c.min);
        const std::string at = std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d) + " "
                               + std::to_string(c.h) + ":" + std::to_string(c.min);
        ASSERT_EQ(t.has_value(), *c.name != 0) << at;
        if (!t)
            continue;
        EXPECT_EQ(t->name.toStdString(), c.name) << at;
        EXPECT_EQ((std::array<int, 5>{t->month, t->day, t->hour, t->minute, t->minutesAway}),
                  (std::array<int, 5>{c.termMonth, c.termDay, c.termHour, c.termMinute, c.away}))
            << at;
    }
}
