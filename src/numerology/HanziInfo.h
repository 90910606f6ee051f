// The attributes of one character and of the four positions of a full name, as text.
#pragma once

#include <QString>
#include <array>

namespace qiming::numerology {

struct HanziInfo {
    QString zi;
    QString pinyin;
    QString plainPinyin;
    QString element;           // 木 火 土 金 水, or empty without a 五行 row
    QString simplifiedStrokes;
    QString kangxiStrokes;     // falls back to simplifiedStrokes
};

enum Slot { Surname1 = 0, Surname2 = 1, Given1 = 2, Given2 = 3 };

struct NameAttributes {
    std::array<HanziInfo, 4> positions;    // surname 1, surname 2, given 1, given 2
    std::array<bool, 4> present{};     // whether the name has that position
    // The present positions' values in slot order, joined by "-".
    QString pinyin;
    QString elements;
    QString simplifiedStrokes;
    QString kangxiStrokes;
};

} // namespace qiming::numerology
