// The five grids of a full name from its Kangxi strokes, the elements of numbers, and the
// three-talents key.
#pragma once

#include <QString>

namespace qiming::numerology {

struct FiveGrids {
    int tian = 0; // 天格
    int ren = 0;  // 人格
    int di = 0;   // 地格
    int wai = 0;  // 外格
    int zong = 0; // 总格

    bool operator==(const FiveGrids &) const = default;
};

// The elements in their cycle order; an element's index is its position here.
inline const QString kElements = QStringLiteral("木火土金水");

// Stroke texts of surname 1, surname 2, given 1, given 2; an empty text is an absent part.
// Throws data::ConversionError for an empty s1 or g1 or a text that is not an integer.
FiveGrids computeFiveGrids(const QString &s1, const QString &s2, const QString &g1, const QString &g2);
// The same on integers; hasS2 and hasG2 say whether surname 2 and given 2 are present.
constexpr FiveGrids computeFiveGrids(int s1, int s2, int g1, int g2, bool hasS2, bool hasG2)
{
    FiveGrids g;
    g.tian = hasS2 ? s1 + s2 : s1 + 1;
    g.ren = hasS2 ? s2 + g1 : s1 + g1;
    g.di = hasG2 ? g1 + g2 : g1 + 1;
    g.zong = s1 + (hasS2 ? s2 : 0) + g1 + (hasG2 ? g2 : 0);
    g.wai = g.zong - g.ren;
    if (!hasS2 || !hasG2)
        g.wai += 1;
    if (!hasS2 && !hasG2)
        g.wai = 2;
    return g;
}
// 0 for an absent surname 2 or given 2 (no character has no strokes).
constexpr FiveGrids computeFiveGrids(int s1, int s2, int g1, int g2)
{
    return computeFiveGrids(s1, s2, g1, g2, s2 != 0, g2 != 0);
}

// 天-人-地-外-总, e.g. 8-15-22-15-29.
QString fiveGridsText(const FiveGrids &grids);
// Splits a five-grid text; false when it does not hold five integers.
bool parseFiveGridsText(const QString &text, FiveGrids *grids);

// By the last decimal digit: 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水.
constexpr int elementIndexOfNumber(int n)
{
    const int digit = ((n % 10) + 10) % 10;
    return ((digit + 9) % 10) / 2;
}
QString elementOfNumber(int n);
// Empty for an empty text; throws data::ConversionError for a text that is not an integer.
QString elementOfNumber(const QString &number);

// Elements of 天格, 人格, 地格, e.g. 金土木.
QString sancaiKeyOf(const FiveGrids &grids);
constexpr int sancaiIndexOf(const FiveGrids &g)
{
    return elementIndexOfNumber(g.tian) * 25 + elementIndexOfNumber(g.ren) * 5 + elementIndexOfNumber(g.di);
}

// "大吉" "1" … "大凶" "5"; empty for any other text.
QString luckLevelCode(const QString &level);

constexpr bool isLonelyNumber(int n)
{
    return n == 21 || n == 23 || n == 26 || n == 28 || n == 29 || n == 33 || n == 39;
}
// Throws data::ConversionError for a text that is not an integer.
bool isLonelyNumber(const QString &number);

// The number whose readings a grid number takes: above 81, 80 is subtracted until it is
// at most 81 (82 reads as 2), as the tradition counts. Other numbers are themselves.
constexpr int readingNumberOf(int n)
{
    while (n > 81)
        n -= 80;
    return n;
}

} // namespace qiming::numerology
