// A given name measured against the baby's birth chart: which elements the chart lacks and
// favours, and which of them the name's characters bring.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "numerology/NameReport.h"

#include <functional>
#include <optional>

namespace qiming::data {
class Database;
}

namespace qiming::birthchart {

struct NameAgainstChart {
    QString pillars;            // 甲辰 丙寅 甲辰 庚午
    QStringList missing;        // of 金 木 水 火 土
    QString verdict;            // 八字偏强 / 八字偏弱
    QString favoured;           // 水木
    struct Character {
        QString zi;
        QString element;        // empty when the character has none on record
        bool wanted = false;    // lacking or favoured by the chart
    };
    QList<Character> characters;

    // 八字缺水，喜水木 → 涵（水）✓ 宇（土）
    QString line() const;
    // The report's block "八字与名字" (HTML table).
    QString html() const;
};

// given: the given-name characters; elements: their elements in the same order (a shorter
// list leaves the rest unknown). Throws calendar::EDateException for a date that does not
// exist and data::DatabaseError when a table cannot be read.
NameAgainstChart measureNameAgainstChart(data::Database &db, const QString &given, const QStringList &elements,
                                         int year, int month, int day, int hour, int minute);

struct BirthMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
// The report's and the scoring page's verdict source: each name measured against the chart of
// the moment asked for at that time (none: nothing said). A date that does not exist says nothing.
numerology::ChartVerdictSource chartVerdictSource(std::function<std::optional<BirthMoment>()> moment);

} // namespace qiming::birthchart
