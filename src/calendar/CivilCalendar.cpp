#include "calendar/CivilCalendar.h"

#include "calendar/EDateException.h"

namespace qiming::calendar {

namespace {

constexpr int kDaysBefore[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

} // namespace

int civilCalendarKind(int year, int month, int day)
{
    if (year != 1582)
        return year > 1582 ? 2 : 1;
    if (month != 10)
        return month > 10 ? 2 : 1;
    if (day <= 4)
        return 1;
    return day <= 14 ? 0 : 2;
}

bool isLeapYear(int year)
{
    if (civilCalendarKind(year, 1, 1) == 2)
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    // Julian; the years before 1 count without a year 0, so -1, -5, -9 … are leap years.
    return year >= 0 ? year % 4 == 0 : (year - 3) % 4 == 0;
}

int daysInMonth(int year, int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

bool isValidDate(int year, int month, int day)
{
    if (year == 0 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return false;
    return civilCalendarKind(year, month, day) != 0;
}

void checkDate(int year, int month, int day)
{
    if (!isValidDate(year, month, day))
        throw EDateException(year, month, day);
}

int dayOfYear(int year, int month, int day)
{
    return kDaysBefore[isLeapYear(year) ? 1 : 0][month - 1] + day;
}

int epochDay(int year, int month, int day)
{
    int n = year > 0 ? (year - 1) * 365 : year * 365;
    for (int m = 1; m < month; ++m)
        n += daysInMonth(year, m);
    n += day;
    if (year < 0)
        return n - (3 - year) / 4;
    int dropped = 0;
    if (civilCalendarKind(year, month, day) == 2)
        dropped = year <= 1700 ? 10 : 10 + ((year - 1701) / 100 + 1) - (year - 1601) / 400;
    return n + (year - 1) / 4 - dropped;
}

int fixedDayNumber(int year, int month, int day)
{
    const int y1 = year - 1;
    switch (civilCalendarKind(year, month, day)) {
    case 2:
        return dayOfYear(year, month, day) + 365 * y1 + y1 / 4 - y1 / 100 + y1 / 400;
    case 1:
        return dayOfYear(year, month, day) + 365 * y1 + y1 / 4 - 2;
    default:
        return 0;
    }
}

int weekdayOf(int year, int month, int day)
{
    const int w = (epochDay(year, month, day) - 2) % 7;
    return w < 0 ? w + 7 : w;
}

CivilDate nextCivilDay(int year, int month, int day)
{
    if (year == 1582 && month == 10 && day == 4)
        return {1582, 10, 15};
    if (day < daysInMonth(year, month))
        return {year, month, day + 1};
    if (month < 12)
        return {year, month + 1, 1};
    return {year == -1 ? 1 : year + 1, 1, 1};
}

} // namespace qiming::calendar
