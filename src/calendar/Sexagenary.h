// The sexagenary cycle (干支) of years, months, days and hours: the four pillars.
#pragma once

#include <QString>

namespace qiming::calendar {

// A position 0 to 59 in the cycle: stem index mod 10, branch index mod 12; 0 is 甲子.
using GanZhi = int;

inline const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
inline const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");

// Two characters; empty outside 0 to 59.
QString cycleName(GanZhi index);
// -1 for an argument out of range or a stem and branch of different parity.
GanZhi cycleIndexOf(int stem, int branch);
// False, with -1 for both, outside 0 to 59.
bool splitCycle(GanZhi index, int *stem, int *branch);
GanZhi yearCycleIndex(int year);

// The year a moment counts to in the cycle (it turns at 立春) and its solar month: 1 the 寅
// month from 立春 … 11 the 子 month from 大雪, 12 the 丑 month from 小寒.
struct JieMonth {
    int year = 0;
    int month = 0;
    bool operator==(const JieMonth &) const = default;
};
JieMonth jieMonthOf(int year, int month, int day, int hour, int minute);

// Year and month pillars turn at the moment of their 节; day and hour pillars go by whole
// hours, and hour 23 is already the 子 hour of the next day.
GanZhi yearPillar(int year, int month, int day, int hour, int minute);
GanZhi monthPillar(int year, int month, int day, int hour, int minute);
GanZhi dayPillar(int year, int month, int day, int hour);
GanZhi hourPillar(int year, int month, int day, int hour);

} // namespace qiming::calendar
