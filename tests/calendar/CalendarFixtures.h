// The facts of tests/fixtures/calendar, written by its generate.js from an established
// astronomical calendar, read into plain rows.
#pragma once

#include <QDate>
#include <QString>

#include <vector>

namespace qiming::test {

struct LunarMonthRow {
    qint64 firstDay = 0; // Julian day number of its first civil day
    int year = 0;
    int month = 0;
    bool leap = false;
};

// A moment in Beijing time, to the second.
struct Moment {
    QDate date;
    int seconds = 0; // since midnight
    qint64 total() const { return date.toJulianDay() * 86400 + seconds; }
};

struct SolarTermRow {
    Moment moment;
    int term = 0; // 1 小寒 … 24 冬至
    QString yearPillar;
    QString monthPillar; // both in force from the moment on
};

struct CalendarFixtures {
    std::vector<LunarMonthRow> months;
    std::vector<SolarTermRow> terms;
    std::vector<QString> januaryFirstDayPillars; // 1900 first
    QString hourPillars[10][24];                 // by the stem of the day pillar in force, and the hour
};

// Loads once; fails the calling test when a file is missing or malformed.
const CalendarFixtures &calendarFixtures();

} // namespace qiming::test
