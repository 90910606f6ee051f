// The calendar's boundary dates: civil day counts, lunar dates, solar terms, pillars, star signs.
#include "calendar/CivilCalendar.h"
#include "calendar/EDateException.h"
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"
#include "calendar/StarSign.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

using namespace qiming::calendar;

namespace {

struct Ymd {
    int y, m, d;
};

std::string text(const Ymd &d)
{
    return std::to_string(d.y) + "-" + std::to_string(d.m) + "-" + std::to_string(d.d);
}

} // namespace

TEST(CivilCalendarTest, DayCountsAcrossTheCalendarSwitchAndYearZero)
{
    const struct {
        Ymd date;
        int epoch;
        int weekday;
    } cases[] = {
        {{1582, 10, 4}, 577737, 4}, {{1582, 10, 15}, 577738, 5}, {{-1, 12, 31}, 0, 5},
        {{1, 1, 1}, 1, 6},          {{2000, 1, 1}, 730122, 6},   {{2024, 2, 10}, 738928, 6},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(epochDay(c.date.y, c.date.m, c.date.d), c.epoch) << text(c.date);
        EXPECT_EQ(weekdayOf(c.date.y, c.date.m, c.date.d), c.weekday) << text(c.date);
    }
    EXPECT_EQ(fixedDayNumber(2024, 2, 10), 738926);
    EXPECT_EQ(fixedDayNumber(-849, 1, 21), -310443);
    EXPECT_EQ(fixedDayNumber(1582, 10, 10), 0);
    EXPECT_EQ(dayOfYear(2024, 12, 31), 366);
    EXPECT_EQ(dayOfYear(2023, 3, 0), 59);
}

TEST(CivilCalendarTest, LeapYearsAndValidDates)
{
    for (const int y : {2000, 2024, 1500, 1200, -1, -5})
        EXPECT_TRUE(isLeapYear(y)) << y;
    for (const int y : {1900, 2023, 2100, -2, -4})
        EXPECT_FALSE(isLeapYear(y)) << y;
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(1582, 10), 31);
    EXPECT_EQ(daysInMonth(2024, 13), 0);

    EXPECT_NO_THROW(checkDate(2024, 2, 29));
    EXPECT_NO_THROW(checkDate(1500, 2, 29));
    EXPECT_NO_THROW(checkDate(1582, 10, 15));
    for (const Ymd &bad : {Ymd{2023, 2, 29}, Ymd{1582, 10, 10}, Ymd{0, 1, 1}, Ymd{2024, 4, 31}, Ymd{2024, 0, 1}}) {
        EXPECT_FALSE(isValidDate(bad.y, bad.m, bad.d)) << text(bad);
        EXPECT_THROW(checkDate(bad.y, bad.m, bad.d), EDateException) << text(bad);
    }
    try {
        checkDate(2023, 2, 29);
        FAIL() << "no exception";
    } catch (const EDateException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("您输入的时间不存在，请检查: 2023-2-29."));
    }
}

TEST(CivilCalendarTest, NextDayRollsOverMonthsYearsAndGaps)
{
    EXPECT_EQ(nextCivilDay(2024, 2, 28), (CivilDate{2024, 2, 29}));
    EXPECT_EQ(nextCivilDay(2024, 2, 29), (CivilDate{2024, 3, 1}));
    EXPECT_EQ(nextCivilDay(2023, 12, 31), (CivilDate{2024, 1, 1}));
    EXPECT_EQ(nextCivilDay(1582, 10, 4), (CivilDate{1582, 10, 15}));
    EXPECT_EQ(nextCivilDay(-1, 12, 31), (CivilDate{1, 1, 1}));
}

TEST(LunarCalendarTest, ConvertsBoundaryDates)
{
    const struct {
        Ymd date;
        LunarDate lunar;
    } cases[] = {
        {{2024, 2, 10}, {2024, 1, 1, false}},
        {{2024, 2, 9}, {2023, 12, 30, false}},
        // Leap months, at their first and last days.
        {{2023, 3, 22}, {2023, 2, 1, true}},
        {{2023, 4, 19}, {2023, 2, 29, true}},
        {{2023, 4, 20}, {2023, 3, 1, false}},
        {{2017, 7, 23}, {2017, 6, 1, true}},
        {{2020, 5, 23}, {2020, 4, 1, true}},
        {{2033, 12, 22}, {2033, 11, 1, true}},
        {{2000, 1, 1}, {1999, 11, 25, false}},
        {{1900, 1, 1}, {1899, 12, 1, false}},
        {{1900, 1, 31}, {1900, 1, 1, false}},
        {{2100, 12, 31}, {2100, 12, 1, false}},
        // Months whose first day the new-moon series misses by one.
        {{2018, 11, 7}, {2018, 9, 30, false}},
        {{2018, 11, 8}, {2018, 10, 1, false}},
        {{2018, 12, 6}, {2018, 10, 29, false}},
        {{1924, 3, 4}, {1924, 1, 29, false}},
        {{1924, 3, 5}, {1924, 2, 1, false}},
        {{1924, 4, 3}, {1924, 2, 30, false}},
        {{1914, 11, 16}, {1914, 9, 29, false}},
        {{1914, 11, 17}, {1914, 10, 1, false}},
        {{1914, 12, 16}, {1914, 10, 30, false}},
        {{1916, 2, 3}, {1916, 1, 1, false}},
        {{1916, 3, 3}, {1916, 1, 30, false}},
        {{1920, 11, 10}, {1920, 10, 1, false}},
        {{1920, 12, 9}, {1920, 10, 30, false}},
        // 2025 needs no correction: 四月 begins on 04-28.
        {{2025, 4, 27}, {2025, 3, 30, false}},
        {{2025, 4, 28}, {2025, 4, 1, false}},
        {{2025, 5, 26}, {2025, 4, 29, false}},
    };
    for (const auto &c : cases) {
        LunarDate got;
        ASSERT_TRUE(solarToLunar(c.date.y, c.date.m, c.date.d, &got)) << text(c.date);
        EXPECT_EQ(got, c.lunar) << text(c.date) << ": " << got.year << " " << got.month << " " << got.day << " "
                                << got.isLeap;
        EXPECT_EQ(lunarDayOf(c.date.y, c.date.m, c.date.d), c.lunar.day) << text(c.date);
        EXPECT_EQ(lunarMonthOf(c.date.y, c.date.m, c.date.d), c.lunar.isLeap ? -c.lunar.month : c.lunar.month)
            << text(c.date);
    }
}

TEST(LunarCalendarTest, OutsideTheTableNothingConverts)
{
    for (const Ymd &d : {Ymd{2101, 1, 1}, Ymd{1899, 12, 31}, Ymd{-850, 1, 1}}) {
        LunarDate kept{7, 7, 7, true};
        EXPECT_FALSE(solarToLunar(d.y, d.m, d.d, &kept)) << text(d);
        EXPECT_EQ(kept, (LunarDate{7, 7, 7, true}));
    }
    EXPECT_EQ(leapMonthOf(1899), 0);
    EXPECT_EQ(leapMonthOf(1898), -1);
    EXPECT_EQ(leapMonthOf(2101), -1);
    EXPECT_EQ(leapMonthOf(1984), 10);
    EXPECT_EQ(leapMonthOf(2033), 11);
    EXPECT_EQ(leapMonthsThrough(1900), 1011);
    EXPECT_EQ(leapMonthsThrough(2024), 1056);
    EXPECT_EQ(leapMonthsThrough(2100), 1084);
}

TEST(LunarCalendarTest, DayNames)
{
    const struct {
        int day;
        const char *name;
    } cases[] = {{0, ""}, {31, ""}, {1, "初一"}, {10, "初十"}, {11, "十一"}, {19, "十九"},
                 {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}};
    for (const auto &c : cases)
        EXPECT_EQ(lunarDayName(c.day), QString::fromUtf8(c.name)) << c.day;
}

TEST(SolarTermsTest, MomentsOf2024ToTheMinute)
{
    // Beijing time of the 节 (and one 中气) of 2024 and of 2025's 小寒 as term 25.
    const struct {
        int term;
        int dayOfYear;
        int hour, minute;
    } cases[] = {
        {1, 6, 4, 49}, {2, 20, 22, 7}, {3, 35, 16, 27}, {5, 65, 10, 22}, {23, 341, 23, 17}, {25, 366 + 5, 10, 32},
    };
    for (const auto &c : cases) {
        const double expected = c.dayOfYear + (c.hour * 60 + c.minute + 0.5) / 1440;
        EXPECT_NEAR(solarTermMoment(2024, c.term), expected, 1.0 / 1440) << c.term;
        EXPECT_NEAR(estimatedTermMoment(2024, c.term), expected, 30.0 / 1440) << c.term;
    }
}

TEST(SexagenaryTest, CycleNamesAndIndices)
{
    EXPECT_EQ(cycleName(0), QStringLiteral("甲子"));
    EXPECT_EQ(cycleName(1), QStringLiteral("乙丑"));
    EXPECT_EQ(cycleName(40), QStringLiteral("甲辰"));
    EXPECT_EQ(cycleName(54), QStringLiteral("戊午"));
    EXPECT_EQ(cycleName(59), QStringLiteral("癸亥"));
    EXPECT_EQ(cycleName(60), QString());
    EXPECT_EQ(cycleName(-1), QString());
    EXPECT_EQ(cycleIndexOf(0, 1), -1);
    EXPECT_EQ(cycleIndexOf(0, 4), 40);
    EXPECT_EQ(cycleIndexOf(10, 0), -1);
    int stem = 0, branch = 0;
    EXPECT_TRUE(splitCycle(54, &stem, &branch));
    EXPECT_EQ(stem, 4);
    EXPECT_EQ(branch, 6);
    EXPECT_FALSE(splitCycle(60, &stem, &branch));
    EXPECT_EQ(stem, -1);
    EXPECT_EQ(branch, -1);
    EXPECT_EQ(yearCycleIndex(2024), 40);
    EXPECT_EQ(yearCycleIndex(1984), 0);
    EXPECT_EQ(yearCycleIndex(1), 57);
    EXPECT_EQ(yearCycleIndex(-1), 56);
}

TEST(SexagenaryTest, FourPillarsAroundTermsAndMidnight)
{
    const struct {
        Ymd date;
        int hour, minute;
        const char *pillars;
    } cases[] = {
        {{2024, 2, 10}, 12, 0, "甲辰 丙寅 甲辰 庚午"},
        // 立春 2024 falls at 16:27: year and month turn together, to the minute.
        {{2024, 2, 4}, 10, 0, "癸卯 乙丑 戊戌 丁巳"},
        {{2024, 2, 4}, 16, 25, "癸卯 乙丑 戊戌 庚申"},
        {{2024, 2, 4}, 16, 29, "甲辰 丙寅 戊戌 庚申"},
        {{2024, 2, 4}, 17, 0, "甲辰 丙寅 戊戌 辛酉"},
        // Hour 23 is the next day's 子 hour.
        {{2024, 2, 3}, 23, 0, "癸卯 乙丑 戊戌 壬子"},
        {{2024, 2, 10}, 23, 0, "甲辰 丙寅 乙巳 丙子"},
        {{2024, 2, 10}, 0, 0, "甲辰 丙寅 甲辰 甲子"},
        {{2024, 2, 10}, 1, 0, "甲辰 丙寅 甲辰 乙丑"},
        {{2024, 2, 10}, 22, 0, "甲辰 丙寅 甲辰 乙亥"},
        {{2000, 1, 1}, 0, 0, "己卯 丙子 戊午 壬子"},
        // 小寒 2024 at 04:49 opens the 丑 month of the year before.
        {{2024, 1, 5}, 12, 0, "癸卯 甲子 戊辰 戊午"},
        {{2024, 1, 6}, 4, 40, "癸卯 甲子 己巳 丙寅"},
        {{2024, 1, 6}, 5, 0, "癸卯 乙丑 己巳 丁卯"},
        {{2024, 1, 6}, 12, 0, "癸卯 乙丑 己巳 庚午"},
    };
    for (const auto &c : cases) {
        const int y = c.date.y, m = c.date.m, d = c.date.d;
        const QString got = QStringList{cycleName(yearPillar(y, m, d, c.hour, c.minute)),
                                        cycleName(monthPillar(y, m, d, c.hour, c.minute)),
                                        cycleName(dayPillar(y, m, d, c.hour)), cycleName(hourPillar(y, m, d, c.hour))}
                                .join(QLatin1Char(' '));
        EXPECT_EQ(got.toStdString(), c.pillars) << text(c.date) << " " << c.hour << ":" << c.minute;
    }
    EXPECT_EQ(jieMonthOf(2024, 1, 6, 4, 40), (JieMonth{2023, 11}));
    EXPECT_EQ(jieMonthOf(2024, 1, 6, 5, 0), (JieMonth{2023, 12}));
    EXPECT_EQ(jieMonthOf(2024, 12, 7, 0, 0), (JieMonth{2024, 11}));
    EXPECT_EQ(jieMonthOf(2025, 1, 5, 11, 0), (JieMonth{2024, 12}));
}

TEST(StarSignTest, FirstAndLastDays)
{
    const struct {
        int month, day;
        const char *sign;
    } cases[] = {{1, 1, "摩羯座"},  {1, 19, "摩羯座"}, {1, 20, "水瓶座"}, {2, 18, "水瓶座"}, {2, 19, "双鱼座"},
                 {4, 20, "白羊座"}, {4, 21, "金牛座"}, {12, 21, "射手座"}, {12, 22, "摩羯座"}, {12, 31, "摩羯座"}};
    for (const auto &c : cases)
        EXPECT_EQ(starSignName(starSignOf(c.month, c.day)), QString::fromUtf8(c.sign)) << c.month << "-" << c.day;
    EXPECT_EQ(starSignName(12), QString());
}
