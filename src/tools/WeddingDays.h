// "黄道吉日": the days of a year an established almanac marks good for weddings (宜 嫁娶),
// each with its lunar date, weekday, clash and 煞 as a printed almanac lists them.
#pragma once

#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"

#include <QString>

#include <vector>

namespace qiming::tools {

// The years the page offers.
inline constexpr int kFirstAlmanacYear = 2015;
inline constexpr int kLastAlmanacYear = 2035;
// The years the calendar can answer for every day, the length of the last lunar month included.
inline constexpr int kFirstComputableYear = 1900;
inline constexpr int kLastComputableYear = 2099;

struct WeddingDay {
    int year = 0;
    int month = 0;
    int day = 0;
    calendar::LunarDate lunar;
    int lunarMonthDays = 0; // 30 大, 29 小
    int weekday = 0;        // 0 Sunday
    calendar::GanZhi dayPillar = 0;
    calendar::GanZhi clash = 0;
    QString sha;
};

// True when the almanac marks a day of that pillar good for weddings in a month of the cycle
// whose branch is monthBranch (0 子 … 11 亥; the 寅 month opens at 立春).
bool isWeddingDay(int monthBranch, calendar::GanZhi day);

// In date order; empty for a year outside kFirstComputableYear to kLastComputableYear.
std::vector<WeddingDay> weddingDays(int year);

// "2015年01月04日 农历11月(小)14日 星期日  冲狗(甲戌)煞南"; a leap month reads 农历闰6月.
QString weddingDayLine(const WeddingDay &day);

// The page: "2015年结婚黄道吉日表", an empty line, then one line a day.
QStringList weddingDayLines(int year);
QString weddingDayText(int year);

} // namespace qiming::tools
