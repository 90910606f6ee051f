// Civil dates: Julian up to 1582-10-04, Gregorian from 1582-10-15, no year 0 (year -1
// directly precedes year 1). Day counts, weekdays and the date check every screen uses.
#pragma once

namespace qiming::calendar {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate &) const = default;
};

// 0 for the dates dropped in 1582 (10-05 to 10-14), 1 Julian, 2 Gregorian.
int civilCalendarKind(int year, int month, int day);
bool isLeapYear(int year);
// 28 to 31; 0 for a month outside 1 to 12. October 1582 is not shortened here.
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);
// Throws EDateException for an invalid date.
void checkDate(int year, int month, int day);
// 1 to 366; day 0 gives 0 (the day before January 1).
int dayOfYear(int year, int month, int day);
// Continuous day count across 1582 and the missing year 0: 0001-01-01 is 1.
int epochDay(int year, int month, int day);
// The day count of the lunar and solar-term formulas: Gregorian 0001-01-01 would be 1, Julian
// 0001-01-01 is -1; 0 for a dropped date.
int fixedDayNumber(int year, int month, int day);
// 0 Sunday … 6 Saturday.
int weekdayOf(int year, int month, int day);
// The civil day after a valid date, across month and year ends and the 1582 gap.
CivilDate nextCivilDay(int year, int month, int day);

} // namespace qiming::calendar
