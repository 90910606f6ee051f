// A full name with its texts as a candidate list shows them and the report takes them.
#pragma once

#include <QString>

namespace qiming::numerology {

struct ScoredName {
    QString name;
    QString pinyin;            // joined by "-"
    QString elements;          // joined by "-"
    QString simplifiedStrokes; // joined by "-"
    QString kangxiStrokes;     // joined by "-"
    QString fiveGrids;         // 天-人-地-外-总
    QString score;
    QString gender;        // "nan" or "nv" the score was made for; empty when not known
    int surnameLength = 0; // 1 or 2; 0 when not known
};

} // namespace qiming::numerology
