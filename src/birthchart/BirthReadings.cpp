#include "birthchart/BirthReadings.h"

#include "data/Database.h"

namespace qiming::birthchart {

QString zodiacReading(data::Database &db, const QString &animal)
{
    return db.scalar(QStringLiteral("select content from 生肖分析 where title = ?"), {animal}).toString();
}

QString starSignReading(data::Database &db, const QString &starSign)
{
    return db.scalar(QStringLiteral("select content from 星座分析 where title = ?"), {starSign}).toString();
}

QString birthdayReading(data::Database &db, int month, int day)
{
    return db.scalar(QStringLiteral("select content from 生日分析 where day = ?"),
                     {QString::number(month * 100 + day)}).toString();
}

QString historyToday(data::Database &db, const QString &month, const QString &day)
{
    return db.scalar(QStringLiteral("select h_con from 历史上的今天 where h_month = ?and h_day=?"), {month, day}).toString();
}

} // namespace qiming::birthchart
