// The strength of a chart's day master from tables 喜用神天干 and 喜用神地支, and the elements
// the chart favours: the analysis the manual naming window and qiming-cli chart print.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace qiming::data {
class Database;
}

namespace qiming::birthchart {

// Element index order of the scores: 金 木 水 火 土.
inline constexpr std::array<QChar, 5> kScoreElements{u'金', u'木', u'水', u'火', u'土'};

struct FavourableElement {
    std::array<double, 5> scores{}; // 金 木 水 火 土
    double same = 0;                // day master and the element that produces it
    double other = 0;               // the three other elements
    bool strong = false;            // same - other >= 0
    QString verdict;                // 八字偏强 or 八字偏弱
    QString favoured;               // such as 水木: the elements the chart wants, most wanted first
    QString analysis;               // the four lines, joined by CR LF
    QString lastLine;               // such as 八字偏弱，八字喜[水木]
};

// Decimal text of at most 15 significant digits, no trailing zeros, no point for whole numbers.
QString formatScore(double value);

// Which elements a chart wants once its strength is known. A weak chart wants its own kind:
// the producing element (印) and the day master's own (比劫), the lower-scored first, 印 first
// on a tie. A strong chart wants the three other elements (what it produces, restrains, and what
// restrains it) in rising order of score, of which the two least present are named.
QString favouredElements(QChar dayMaster, const std::array<double, 5> &scores, bool strong);

// pillars: year, month, day and hour as two-character cycle names. Returns false, touching
// nothing, when a pillar is not a stem followed by a branch (no chart computed yet).
// Throws data::DatabaseError when a table cannot be read.
bool computeFavourableElement(data::Database &db, const QString pillars[4], FavourableElement *out);

} // namespace qiming::birthchart
