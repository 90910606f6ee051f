#include "tools/FunLookups.h"

#include "data/Database.h"
#include "data/PerConnection.h"

namespace qiming::tools {

namespace {

// Only the first row a query returns is used.
std::optional<data::RowSet> firstRow(data::Database &db, const QString &sql, const QVariantList &params)
{
    data::RowSet rows = data::RowSet::load(db, sql, params);
    if (rows.isEmpty())
        return std::nullopt;
    rows.setCurrentRow(0);
    return rows;
}

} // namespace

data::RowSet &zodiacFortunes(data::Database &db)
{
    static data::PerConnection<data::RowSet> rows;
    return rows.get(db, [](data::Database &d) { return data::RowSet::load(d, QStringLiteral("select * from 生肖运势")); });
}

std::optional<FingerprintReading> lookupFingerprint(data::Database &db, const QString &code)
{
    const auto row = firstRow(db, QStringLiteral("select * from 指纹预测 where zhiwen=?"), {code});
    if (!row)
        return std::nullopt;
    return FingerprintReading{row->field(QStringLiteral("zhiwen")), row->field(QStringLiteral("jiexi"))};
}

StarPairing lookupStarPairing(data::Database &db, const QString &mine, const QString &partner)
{
    const auto row = firstRow(db, QStringLiteral("select * from 星座配对 where xingzuo1 = ?and xingzuo2 = ?"),
                              {mine, partner});
    if (!row)
        return {};
    return {row->field(QStringLiteral("title")), row->field(QStringLiteral("content1")),
            row->field(QStringLiteral("content2"))};
}

const QStringList &monthColumns()
{
    static const QStringList columns{QStringLiteral("一月"), QStringLiteral("二月"), QStringLiteral("三月"),
                                     QStringLiteral("四月"), QStringLiteral("五月"), QStringLiteral("六月"),
                                     QStringLiteral("七月"), QStringLiteral("八月"), QStringLiteral("九月"),
                                     QStringLiteral("十月"), QStringLiteral("十一月"), QStringLiteral("十二月")};
    return columns;
}

BabyPrediction predictBaby(data::Database &db, const QString &age, int month)
{
    if (month < 1 || month > 12)
        return BabyPrediction::NoData;
    const auto row = firstRow(db, QStringLiteral("select * from 生男生女 where nn= ?"), {age});
    if (!row)
        return BabyPrediction::NoData;
    const int column = row->columnIndex(monthColumns().at(month - 1));
    if (column < 0)
        return BabyPrediction::NoData;
    const QString cell = row->field(column).trimmed();
    if (cell == QStringLiteral("男"))
        return BabyPrediction::Boy;
    if (cell == QStringLiteral("女"))
        return BabyPrediction::Girl;
    return BabyPrediction::NoData;
}

BloodPairing lookupBloodPairing(data::Database &db, const QString &man, const QString &woman)
{
    const auto row = firstRow(db, QStringLiteral("select * from 血型配对 where xuexing1=? and xuexing2 = ?"),
                              {man, woman});
    if (!row)
        return {};
    return {row->field(QStringLiteral("title2")), row->field(QStringLiteral("content"))};
}

} // namespace qiming::tools
