#include "birthchart/BirthReadings.h"

#include "data/Database.h"

#include <QRegularExpression>

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

QString plainTextOfHtml(const QString &html)
{
    static const QRegularExpression blockEnd(
        QStringLiteral("<br\\s*/?>|</(p|div|h[1-6]|li|tr|table|ul|ol)>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression listItem(QStringLiteral("<li[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blankLines(QStringLiteral("\\n\\s*\\n+"));
    QString s = html;
    s.replace(blockEnd, QStringLiteral("\n"));
    s.replace(listItem, QStringLiteral("· "));
    s.remove(tag);
    s.replace(QLatin1String("&nbsp;"), QLatin1String(" "))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    s.replace(blankLines, QStringLiteral("\n"));
    return s.trimmed();
}

} // namespace qiming::birthchart
