#include "birthchart/NameAgainstChart.h"

#include "birthchart/BirthChart.h"
#include "birthchart/FavourableElement.h"
#include "calendar/EDateException.h"
#include "numerology/PoemSource.h"

namespace qiming::birthchart {

namespace {

QString joinedElements(const QStringList &elements)
{
    return elements.join(QString());
}

QString needsText(const NameAgainstChart &r)
{
    QString text = r.missing.isEmpty() ? QStringLiteral("八字五行不缺") : QStringLiteral("八字缺") + joinedElements(r.missing);
    if (!r.favoured.isEmpty())
        text += QStringLiteral("，喜") + r.favoured;
    return text;
}

QString characterText(const NameAgainstChart::Character &c)
{
    return c.zi + QStringLiteral("（") + (c.element.isEmpty() ? QStringLiteral("五行未知") : c.element) + QStringLiteral("）")
           + (c.wanted ? QStringLiteral("✓") : QString());
}

} // namespace

QString NameAgainstChart::line() const
{
    QStringList parts;
    for (const Character &c : characters)
        parts << characterText(c);
    return needsText(*this) + QStringLiteral(" → ") + parts.join(QLatin1Char(' '));
}

QString NameAgainstChart::html() const
{
    QStringList chars, brought;
    for (const Character &c : characters) {
        chars << (c.wanted ? QStringLiteral("<font color=\"#2e7d32\"><b>%1</b></font>") : QStringLiteral("%1"))
                     .arg(characterText(c).toHtmlEscaped());
        if (c.wanted)
            brought << QStringLiteral("“%1”属%2").arg(c.zi.toHtmlEscaped(), c.element);
    }
    QStringList wanted;
    for (const QChar e : favoured)
        wanted << QString(e);
    for (const QString &e : missing)
        if (!wanted.contains(e))
            wanted << e;
    QString verdictText;
    if (!brought.isEmpty())
        verdictText = QStringLiteral("名字中%1，正是八字所缺或所喜的五行。").arg(brought.join(QStringLiteral("，")));
    else if (!wanted.isEmpty())
        verdictText = QStringLiteral("名字的用字没有带来八字所缺或所喜的%1；如果看重五行，可以考虑五行属%1的字。")
                          .arg(wanted.join(QStringLiteral("、")));
    const QString row = QStringLiteral("<tr><td width=\"16%\"><b>%1</b></td><td>%2</td></tr>\n");
    QString html = QStringLiteral("<tr><td colspan=\"2\"><b>八字与名字</b></td></tr>\n");
    html += row.arg(QStringLiteral("八字"), pillars.toHtmlEscaped());
    html += row.arg(QStringLiteral("五行"), QStringLiteral("%1（%2，以日主强弱推定所喜）").arg(needsText(*this), verdict));
    html += row.arg(QStringLiteral("名字用字"), chars.join(QStringLiteral("&nbsp;&nbsp;")));
    if (!verdictText.isEmpty())
        html += row.arg(QStringLiteral("结论"), verdictText);
    html += QStringLiteral("<tr><td colspan=\"2\"><font color=\"#7a6a4a\">传统上取名讲究用名字的五行补八字之不足，"
                           "这是一种民俗习惯，仅供参考。</font></td></tr>\n");
    return numerology::reportBlock(html);
}

NameAgainstChart measureNameAgainstChart(data::Database &db, const QString &given, const QStringList &elements,
                                         int year, int month, int day, int hour, int minute)
{
    // The nayin is not needed here: the calendar alone gives the pillars.
    const BirthChart chart = computeCalendarChart(year, month, day, hour, minute);
    NameAgainstChart r;
    r.pillars = QStringList{chart.pillars[0], chart.pillars[1], chart.pillars[2], chart.pillars[3]}.join(QLatin1Char(' '));
    r.missing = chart.missingElements;
    FavourableElement fe;
    if (computeFavourableElement(db, chart.pillars, &fe)) {
        r.verdict = fe.verdict;
        r.favoured = fe.favoured;
    }
    for (qsizetype i = 0; i < given.size(); ++i) {
        NameAgainstChart::Character c;
        c.zi = given.at(i);
        c.element = elements.value(i);
        c.wanted = !c.element.isEmpty() && (r.missing.contains(c.element) || r.favoured.contains(c.element));
        r.characters << c;
    }
    return r;
}

numerology::ChartVerdictSource chartVerdictSource(std::function<std::optional<BirthMoment>()> moment)
{
    return [moment = std::move(moment)](data::Database &db,
                                        const numerology::ScoredName &name) -> std::optional<numerology::ChartVerdict> {
        const std::optional<BirthMoment> t = moment ? moment() : std::nullopt;
        if (!t)
            return std::nullopt;
        const QString given = numerology::givenNameOf(name);
        const QStringList elements = name.elements.split(QLatin1Char('-'));
        try {
            const NameAgainstChart r = measureNameAgainstChart(db, given, elements.mid(name.name.size() - given.size()),
                                                               t->year, t->month, t->day, t->hour, t->minute);
            return numerology::ChartVerdict{r.html(), r.line()};
        } catch (const calendar::EDateException &) {
            return std::nullopt;
        }
    };
}

} // namespace qiming::birthchart
