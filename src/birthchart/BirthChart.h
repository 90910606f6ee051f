// The birth chart of a civil birth time: the four pillars with their elements and nayin, the
// lunar birthday, weekday, star sign, zodiac animal and the elements the chart lacks.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qiming::data {
class Database;
}

namespace qiming::birthchart {

struct BirthChart {
    QString pillars[4];  // year, month, day, hour: cycle names such as 甲辰
    QString elements[4]; // the element of each pillar's stem and branch, such as 木土
    QString nayin[4];    // empty for a pillar table 纳音 does not hold
    // Such as 甲辰年一月初一日午时; empty for a date outside the lunar calendar's years.
    QString lunarBirthday;
    QString weekday;  // 星期天 … 星期六
    QString starSign; // 白羊座 …
    QString zodiac;   // 鼠 …
    QStringList missingElements; // of 金 木 水 火 土, in that order

    // "五行缺 " and each missing element followed by two spaces, or "五行不缺".
    QString missingElementsText() const;
};

// 金 木 水 火 土 of a stem or branch character; empty for any other character.
QString elementOfCycleCharacter(QChar c);

// Everything but the nayin, from the calendar alone. Year and month pillars turn at the minute
// of their 节; hour 23 belongs to the next day for the day pillar and the lunar birthday, not
// for the weekday and star sign. Throws calendar::EDateException for a date that does not exist.
BirthChart computeCalendarChart(int year, int month, int day, int hour, int minute);
// The whole chart, the nayin read from table 纳音. Throws calendar::EDateException as above and
// data::DatabaseError when the table cannot be read.
BirthChart computeBirthChart(int year, int month, int day, int hour, int minute);
BirthChart computeBirthChart(data::Database &db, int year, int month, int day, int hour, int minute);

// A 节 (the solar term that turns the month pillar) close to a birth moment.
struct NearbyMonthTerm {
    QString name;               // 立春 …
    int month = 0, day = 0;     // its civil date and time, Beijing time
    int hour = 0, minute = 0;
    int minutesAway = 0;        // birth minus term, in whole minutes
};
// The 节 within withinMinutes of the birth moment, if any: a birth time off by minutes there
// changes the month pillar (and at 立春 the year pillar).
std::optional<NearbyMonthTerm> nearbyMonthTerm(int year, int month, int day, int hour, int minute,
                                               int withinMinutes = 30);

} // namespace qiming::birthchart
