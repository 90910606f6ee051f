// The four birth readings: one prepared text each, found by the zodiac animal, the star sign or
// the birth month and day. The chart page, the reading window and qiming-cli reading share them.
#pragma once

#include <QString>

namespace qiming::data {
class Database;
}

namespace qiming::birthchart {

// Each returns the stored text, or an empty text when the table has no row for the key.
// Throws data::DatabaseError when the table cannot be read.
QString zodiacReading(data::Database &db, const QString &animal);          // HTML
QString starSignReading(data::Database &db, const QString &starSign);     // HTML
QString birthdayReading(data::Database &db, int month, int day);          // plain text, key month*100+day
QString historyToday(data::Database &db, const QString &month, const QString &day); // HTML, keys as typed

} // namespace qiming::birthchart
