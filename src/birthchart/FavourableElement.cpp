#include "birthchart/FavourableElement.h"

#include "birthchart/BirthChart.h"
#include "data/Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

namespace qiming::birthchart {

namespace {

int scoreIndex(QChar element)
{
    const auto it = std::find(kScoreElements.begin(), kScoreElements.end(), element);
    return it == kScoreElements.end() ? -1 : int(it - kScoreElements.begin());
}

QChar elementOf(QChar c)
{
    const QString e = elementOfCycleCharacter(c);
    return e.isEmpty() ? QChar() : e.front();
}

// Same-kind partner (the element producing the day master) and the other three, in print order.
struct Kinds {
    QChar partner;
    QChar others[3];
};

Kinds kindsOf(QChar dayMaster)
{
    switch (dayMaster.unicode()) {
    case u'金': return {u'土', {u'木', u'水', u'火'}};
    case u'木': return {u'水', {u'金', u'火', u'土'}};
    case u'水': return {u'金', {u'木', u'火', u'土'}};
    case u'火': return {u'木', {u'金', u'水', u'土'}};
    default: return {u'火', {u'金', u'木', u'水'}}; // 土
    }
}

bool isPillar(const QString &p)
{
    return p.size() == 2 && !elementOf(p[0]).isNull() && !elementOf(p[1]).isNull();
}

} // namespace

QString formatScore(double value)
{
    if (std::abs(value) < 1e-12)
        return QStringLiteral("0"); // also -0 and the dust of summing tenths
    return QString::number(value, 'g', 15);
}

QString favouredElements(QChar dayMaster, const std::array<double, 5> &scores, bool strong)
{
    const Kinds k = kindsOf(dayMaster);
    const auto score = [&](QChar e) { return scores[std::size_t(scoreIndex(e))]; };
    std::vector<QChar> wanted;
    if (strong)
        wanted.assign(std::begin(k.others), std::end(k.others));
    else
        wanted = {k.partner, dayMaster};
    std::stable_sort(wanted.begin(), wanted.end(), [&](QChar a, QChar b) { return score(a) < score(b); });
    QString out;
    for (std::size_t i = 0; i < wanted.size() && i < 2; ++i)
        out += wanted[i];
    return out;
}

bool computeFavourableElement(data::Database &db, const QString pillars[4], FavourableElement *out)
{
    for (int i = 0; i < 4; ++i)
        if (!isPillar(pillars[i]))
            return false;
    const QChar month = pillars[1][1];
    FavourableElement r;
    const auto add = [&](QChar stem, double amount) {
        const int i = scoreIndex(elementOf(stem));
        if (i >= 0)
            r.scores[std::size_t(i)] += amount;
    };
    for (int i = 0; i < 4; ++i) {
        const QChar stem = pillars[i][0];
        bool first = true;
        db.forEachRow(QStringLiteral("select * from 喜用神天干 where 天干 =? and 生月 = ?"),
                      {QString(stem), QString(month)}, [&](sqlite3_stmt *st) {
                          if (first)
                              add(stem, sqlite3_column_double(st, 2));
                          first = false;
                      });
    }
    for (int i = 0; i < 4; ++i) {
        db.forEachRow(QStringLiteral("select * from 喜用神地支 where 地支 =? and 生月 = ?"),
                      {QString(pillars[i][1]), QString(month)}, [&](sqlite3_stmt *st) {
                          const QString hidden = data::Database::readText(st, 2);
                          if (!hidden.isEmpty())
                              add(hidden[0], sqlite3_column_double(st, 3));
                      });
    }
    const QChar e = elementOf(pillars[2][0]);
    const Kinds k = kindsOf(e);
    const auto s = [&](QChar el) { return r.scores[std::size_t(scoreIndex(el))]; };
    r.same = s(e) + s(k.partner);
    r.other = s(k.others[0]) + s(k.others[1]) + s(k.others[2]);
    // Sums of tenths carry binary dust; a tie must stay a tie (diff 0 is strong).
    const double diff = std::round((r.same - r.other) * 1e9) / 1e9;
    r.strong = diff >= 0;
    r.verdict = r.strong ? QStringLiteral("八字偏强") : QStringLiteral("八字偏弱");
    r.favoured = favouredElements(e, r.scores, r.strong);
    const auto named = [&](QChar el) { return QString(el) + formatScore(s(el)); };
    const QString crlf = QStringLiteral("\r\n");
    r.lastLine = r.verdict + QStringLiteral("，八字喜[") + r.favoured + QLatin1Char(']');
    r.analysis = QStringLiteral("用神分析：〖同类得分〗：") + named(e) + QStringLiteral("，") + named(k.partner)
                 + QStringLiteral("，共计") + formatScore(r.same) + QStringLiteral("分；") + crlf
                 + QStringLiteral("〖异类得分〗：") + named(k.others[0]) + QStringLiteral("，") + named(k.others[1])
                 + QStringLiteral("，") + named(k.others[2]) + QStringLiteral("，共计") + formatScore(r.other)
                 + QStringLiteral("分；") + crlf + QStringLiteral("〖差〗：") + formatScore(diff)
                 + QStringLiteral("分；〖综合旺衰得分〗：") + formatScore(diff) + QStringLiteral("分，[") + r.verdict
                 + QStringLiteral("]；") + crlf + QStringLiteral("〖八字喜用神〗:") + r.lastLine;
    *out = r;
    return true;
}

} // namespace qiming::birthchart
