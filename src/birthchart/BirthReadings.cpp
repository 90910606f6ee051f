#include "birthchart/BirthReadings.h"

#include "data/Database.h"


namespace qiming::birthchart {

namespace {

QString firstText(data::Database &db, const QString &sql, const QVariantList &params)
{
    const QVariant v = db.scalar(sql, params);
    return v.isNull() ? QString() : v.toString();
}

} // namespace

QString zodiacReading(data::Database &db, const QString &animal)
{
    return firstText(db, QStringLiteral("select content from 生肖分析 where title = ?"), {animal});
}

QString starSignReading(data::Database &db, const QString &starSign)
{
    return firstText(db, QStringLiteral("select content from 星座分析 where title = ?"), {starSign});
}

QString birthdayReading(data::Database &db, int month, int day)
{
    return firstText(db, QStringLiteral("select content from 生日分析 where day = ?"),
                     {QString::number(month * 100 + day)});
}

QString historyToday(data::Database &db, const QString &month, const QString &day)
{
    return firstText(db, QStringLiteral("select h_con from 历史上的今天 where h_month = ?and h_day=?"), {month, day});
}

} // namespace qiming::birthchart
