// Five grids, elements of numbers, keys and codes: pure functions, table-driven.
#include "data/TextNumber.h"
#include "numerology/FiveGrids.h"

#include <gtest/gtest.h>

using namespace qiming::numerology;
using qiming::data::ConversionError;

struct GridCase {
    const char *s1, *s2, *g1, *g2;
    FiveGrids expected;
    const char *text;
};

class FiveGridShapes : public ::testing::TestWithParam<GridCase> {};

TEST_P(FiveGridShapes, FollowTheNameShape)
{
    const GridCase &c = GetParam();
    const FiveGrids g = computeFiveGrids(QString::fromUtf8(c.s1), QString::fromUtf8(c.s2), QString::fromUtf8(c.g1),
                                         QString::fromUtf8(c.g2));
    EXPECT_EQ(g, c.expected);
    EXPECT_EQ(fiveGridsText(g), QString::fromUtf8(c.text));
    // The integer form used by the generation runs agrees.
    const auto n = [](const char *t) { return QString::fromUtf8(t).isEmpty() ? 0 : QString::fromUtf8(t).toInt(); };
    EXPECT_EQ(computeFiveGrids(n(c.s1), n(c.s2), n(c.g1), n(c.g2)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, FiveGridShapes,
                         ::testing::Values(GridCase{"7", "", "8", "14", {8, 15, 22, 15, 29}, "8-15-22-15-29"},
                                           GridCase{"7", "", "8", "", {8, 15, 9, 2, 15}, "8-15-9-2-15"},
                                           GridCase{"8", "12", "9", "", {20, 21, 10, 9, 29}, "20-21-10-9-29"},
                                           GridCase{"8", "12", "9", "5", {20, 21, 14, 13, 34}, "20-21-14-13-34"},
                                           // Large counts are not reduced.
                                           GridCase{"30", "30", "30", "30", {60, 60, 60, 60, 120}, "60-60-60-60-120"}));

TEST(FiveGrids, NonNumbersAndMissingPartsFail)
{
    EXPECT_THROW(computeFiveGrids(QString(), QString(), QStringLiteral("8"), QString()), ConversionError);
    EXPECT_THROW(computeFiveGrids(QStringLiteral("7"), QString(), QString(), QString()), ConversionError);
    EXPECT_THROW(computeFiveGrids(QStringLiteral("7"), QStringLiteral("x"), QStringLiteral("8"), QString()), ConversionError);
    EXPECT_THROW(computeFiveGrids(QStringLiteral("7"), QString(), QStringLiteral("8"), QStringLiteral("\n")), ConversionError);
    EXPECT_THROW(elementOfNumber(QStringLiteral("十")), ConversionError);
    EXPECT_THROW(isLonelyNumber(QStringLiteral("")), ConversionError);
}

TEST(FiveGrids, ElementsKeysCodesAndLonelyNumbers)
{
    const std::pair<const char *, const char *> elements[] = {
        {"10", "水"}, {"81", "木"}, {"2", "木"}, {"3", "火"}, {"14", "火"}, {"25", "土"}, {"36", "土"},
        {"47", "金"}, {"58", "金"}, {"69", "水"}, {"", ""}};
    for (const auto &[number, element] : elements)
        EXPECT_EQ(elementOfNumber(QString::fromUtf8(number)), QString::fromUtf8(element)) << number;

    EXPECT_EQ(sancaiKeyOf({8, 15, 22, 15, 29}), QStringLiteral("金土木"));
    EXPECT_EQ(sancaiIndexOf({8, 15, 22, 15, 29}), 3 * 25 + 2 * 5 + 0);

    const std::pair<const char *, const char *> codes[] = {
        {"大吉", "1"}, {"吉", "2"}, {"半吉", "3"}, {"凶", "4"}, {"大凶", "5"}, {"", ""}, {"平", ""}};
    for (const auto &[level, code] : codes)
        EXPECT_EQ(luckLevelCode(QString::fromUtf8(level)), QString::fromUtf8(code)) << level;

    for (int n = 1; n <= 81; ++n) {
        const bool lonely = n == 21 || n == 23 || n == 26 || n == 28 || n == 29 || n == 33 || n == 39;
        EXPECT_EQ(isLonelyNumber(QString::number(n)), lonely) << n;
    }
}

TEST(FiveGrids, NumbersAboveEightyOneReadAsTheTraditionSays)
{
    EXPECT_EQ(readingNumberOf(81), 81);
    EXPECT_EQ(readingNumberOf(82), 2);
    EXPECT_EQ(readingNumberOf(161), 81);
    EXPECT_EQ(readingNumberOf(162), 2);
    EXPECT_EQ(readingNumberOf(7), 7);
}
