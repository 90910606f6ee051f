// The fun tools that look up one row of a reference table from the user's choice. Every
// choice reaches the query as a bound parameter. Each throws data::DatabaseError when the
// query cannot run.
#pragma once

#include "data/RowSet.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qiming::data {
class Database;
}

namespace qiming::tools {

// "生肖运程": every row of 生肖运势, opened on first use and kept.
data::RowSet &zodiacFortunes(data::Database &db);

struct FingerprintReading {
    QString code;    // zhiwen
    QString reading; // jiexi
};
// The row of the typed code; none when the table has no such code.
std::optional<FingerprintReading> lookupFingerprint(data::Database &db, const QString &code);

struct StarPairing {
    QString title;
    QString content1;
    QString content2;
};
// The row of my sign and the partner's; empty texts when there is none.
StarPairing lookupStarPairing(data::Database &db, const QString &mine, const QString &partner);

enum class BabyPrediction { Boy, Girl, NoData };
// The table's cell for the woman's age (as the list shows it) and the lunar month 1 to 12,
// read from the month's own column: "男" a boy, "女" a girl; no row, no such month or any
// other value is NoData.
BabyPrediction predictBaby(data::Database &db, const QString &age, int month);
// The names of the month columns, 一月 … 十二月.
const QStringList &monthColumns();

struct BloodPairing {
    QString title;   // title2
    QString content;
};
// The row of the man's type and the woman's; empty texts when there is none.
BloodPairing lookupBloodPairing(data::Database &db, const QString &man, const QString &woman);

} // namespace qiming::tools
