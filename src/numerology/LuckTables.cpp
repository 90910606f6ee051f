#include "numerology/LuckTables.h"

#include "numerology/FiveGrids.h"

namespace qiming::numerology {

LuckTables::LuckTables(data::Database &db)
    : m_db(db)
    , m_numbers(QStringLiteral("select num,jx from N81"))
    , m_sancai(QStringLiteral("select title,jx,jx1,jx2,jx3 from sc"))
{
}

QString LuckTables::luckLevelOf(const QString &number)
{
    data::RowSet &rows = m_numbers.get(m_db);
    QString key = number;
    bool ok = false;
    const int n = number.toInt(&ok);
    if (ok && n > 81)
        key = QString::number(readingNumberOf(n));
    if (!rows.locate(QStringLiteral("num"), key))
        return {};
    return rows.field(1);
}

SancaiVerdict LuckTables::sancaiVerdictOf(const QString &key)
{
    data::RowSet &rows = m_sancai.get(m_db);
    if (!rows.locate(QStringLiteral("title"), key))
        return {};
    return {rows.field(1), rows.field(2), rows.field(3), rows.field(4)};
}

} // namespace qiming::numerology
