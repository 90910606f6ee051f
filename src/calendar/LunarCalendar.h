// The Chinese lunar date of a civil date: the day from an astronomical new-moon series, the
// month from mean lunations since a fixed epoch corrected by the leap-month table.
#pragma once

#include <QString>

namespace qiming::calendar {

struct LunarDate {
    int year = 0;  // numbered like the civil year in which it begins
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 30
    bool isLeap = false;
    bool operator==(const LunarDate &) const = default;
};

// The ordinary month (1 to 12) that a leap month follows in that lunar year, 0 for none;
// -1 for a year outside 1899 to 2100, which the table does not hold.
int leapMonthOf(int year);
// The number of leap months from -849 through year, for 1899 to 2100; -1 outside.
int leapMonthsThrough(int year);
// 1 to 30, as a floating value without fraction. The date must be valid.
double lunarDayOf(int year, int month, int day);
// 1 to 12, negative for a leap month. The date must be valid and in 1900 to 2100.
int lunarMonthOf(int year, int month, int day);
// False, leaving *out as it was, for a year outside 1900 to 2100.
bool solarToLunar(int year, int month, int day, LunarDate *out);
// 初一 … 三十; empty outside 1 to 30.
QString lunarDayName(int day);
// A birth time as parents say it in the lunar calendar: "农历甲辰年（龙年）正月初一 午时". Hour 23
// opens the next day's 子时, so it names the next day. Empty for a date that does not exist or
// lies outside the lunar calendar's years.
QString lunarBirthText(int year, int month, int day, int hour);

} // namespace qiming::calendar
