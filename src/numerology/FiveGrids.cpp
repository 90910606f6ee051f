#include "numerology/FiveGrids.h"

#include "data/TextNumber.h"

#include <QStringList>

namespace qiming::numerology {

FiveGrids computeFiveGrids(const QString &s1, const QString &s2, const QString &g1, const QString &g2)
{
    // An empty surname 1 or given 1 is not a count: it fails like any other non-number.
    // Only an empty text makes a part absent.
    const auto part = [](const QString &t) { return t.isEmpty() ? 0 : data::parseInteger(t); };
    return computeFiveGrids(data::parseInteger(s1), part(s2), data::parseInteger(g1), part(g2), !s2.isEmpty(),
                            !g2.isEmpty());
}

QString fiveGridsText(const FiveGrids &g)
{
    return QStringLiteral("%1-%2-%3-%4-%5").arg(g.tian).arg(g.ren).arg(g.di).arg(g.wai).arg(g.zong);
}

bool parseFiveGridsText(const QString &text, FiveGrids *grids)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 5)
        return false;
    int values[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        values[i] = parts.at(i).toInt(&ok);
        if (!ok)
            return false;
    }
    *grids = {values[0], values[1], values[2], values[3], values[4]};
    return true;
}

QString elementOfNumber(int n)
{
    return kElements.at(elementIndexOfNumber(n));
}

QString elementOfNumber(const QString &number)
{
    if (number.isEmpty())
        return {};
    return elementOfNumber(data::parseInteger(number));
}

QString sancaiKeyOf(const FiveGrids &g)
{
    return elementOfNumber(g.tian) + elementOfNumber(g.ren) + elementOfNumber(g.di);
}

QString luckLevelCode(const QString &level)
{
    static const QStringList levels = {QStringLiteral("大吉"), QStringLiteral("吉"), QStringLiteral("半吉"),
                                       QStringLiteral("凶"), QStringLiteral("大凶")};
    const qsizetype i = levels.indexOf(level);
    return i < 0 ? QString() : QString::number(i + 1);
}

bool isLonelyNumber(const QString &number)
{
    return isLonelyNumber(data::parseInteger(number));
}

} // namespace qiming::numerology
