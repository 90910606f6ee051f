// The 81 numbers' luck levels and the three-talents verdicts, from row sets loaded whole.
#pragma once

#include "data/LazyRowSet.h"

#include <QString>

namespace qiming::numerology {

struct SancaiVerdict {
    QString jx;  // overall: 吉 平 凶
    QString jx1; // base fortune
    QString jx2; // success
    QString jx3; // relations
};

class LuckTables final {
public:
    explicit LuckTables(data::Database &db);

    // The level of a number given as decimal text; a number above 81 takes the level of its
    // reading number. Empty when there is no row.
    QString luckLevelOf(const QString &number);
    // The verdicts of a three-talents key; all empty when there is no row.
    SancaiVerdict sancaiVerdictOf(const QString &key);

    data::Database &database() { return m_db; }

private:
    data::Database &m_db;
    data::LazyRowSet m_numbers;
    data::LazyRowSet m_sancai;
};

} // namespace qiming::numerology
