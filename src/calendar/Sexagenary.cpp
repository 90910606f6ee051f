#include "calendar/Sexagenary.h"

#include "calendar/CivilCalendar.h"
#include "calendar/SolarTerms.h"

#include <cmath>

namespace qiming::calendar {

namespace {

int mod(int a, int n)
{
    const int r = a % n;
    return r < 0 ? r + n : r;
}

// Whether moment e (a fractional day of the year) has reached term n. The estimate settles
// it unless e lies within a few hours of the term; only then is the moment computed.
bool reached(double e, int year, int n)
{
    constexpr double kMargin = 0.1; // days, several times the estimate's worst error
    const double estimate = estimatedTermMoment(year, n);
    if (std::abs(e - estimate) > kMargin)
        return e > estimate;
    return e >= solarTermMoment(year, n);
}

GanZhi dayIndexOf(int year, int month, int day)
{
    return mod(epochDay(year, month, day) + 12, 60);
}

} // namespace

QString cycleName(GanZhi index)
{
    if (index < 0 || index > 59)
        return {};
    return QString(kStems.at(index % 10)) + kBranches.at(index % 12);
}

GanZhi cycleIndexOf(int stem, int branch)
{
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11)
        return -1;
    for (int i = 0; i <= 6; ++i) {
        if ((stem + 10 * i) % 12 == branch)
            return stem + 10 * i;
    }
    return -1;
}

bool splitCycle(GanZhi index, int *stem, int *branch)
{
    const bool ok = index >= 0 && index <= 59;
    *stem = ok ? index % 10 : -1;
    *branch = ok ? index % 12 : -1;
    return ok;
}

GanZhi yearCycleIndex(int year)
{
    return mod(year > 0 ? year - 4 : year - 3, 60);
}

JieMonth jieMonthOf(int year, int month, int day, int hour, int minute)
{
    const double e = dayOfYear(year, month, day) + hour / 24.0 + minute / 1440.0;
    if (reached(e, year, 3)) {
        int i = 1;
        while (i < 12 && reached(e, year, 2 * (i + 1) + 1))
            ++i;
        return {year, i};
    }
    // Before 立春 the moment still counts to the year before: its 丑 month from this January's
    // 小寒, its 子 month before that.
    return {year - 1, reached(e, year, 1) ? 12 : 11};
}

GanZhi yearPillar(int year, int month, int day, int hour, int minute)
{
    return yearCycleIndex(jieMonthOf(year, month, day, hour, minute).year);
}

GanZhi monthPillar(int year, int month, int day, int hour, int minute)
{
    const JieMonth jm = jieMonthOf(year, month, day, hour, minute);
    // The 寅 month's stem follows from the year's stem: 甲 and 己 years start at 丙, and so on.
    static constexpr int kFirstStem[5] = {2, 4, 6, 8, 0};
    const int first = kFirstStem[yearCycleIndex(jm.year) % 10 % 5];
    return cycleIndexOf(((jm.month - 1) % 10 + first) % 10, (jm.month + 1) % 12);
}

GanZhi dayPillar(int year, int month, int day, int hour)
{
    return (dayIndexOf(year, month, day) + (hour % 24 == 23 ? 1 : 0)) % 60;
}

GanZhi hourPillar(int year, int month, int day, int hour)
{
    const int h = hour % 24;
    int g = dayIndexOf(year, month, day) % 10;
    int branch = (h + 1) / 2;
    if (h == 23) {
        g = (g + 1) % 10;
        branch = 0;
    }
    if (g >= 5)
        g -= 5;
    return cycleIndexOf((2 * g + branch) % 10, branch);
}

} // namespace qiming::calendar
