// Luck points, three-talents points and the score, against small tables whose levels the
// examples need.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/SharedDatabase.h"
#include "numerology/NameScore.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::numerology;
using namespace qiming::test;

namespace {

// Builds the sub-verdicts that apply the factors in order: a sub-verdict first tests 吉
// (× 1.1), then 平 (× 1.05).
SancaiVerdict inauspiciousWithFactors(const QString &factors)
{
    QStringList subs(3);
    int sub = 0;
    for (const QString &f : factors.split(QStringLiteral(" × "), Qt::SkipEmptyParts)) {
        const QChar mark = f == QLatin1String("1.1") ? QChar(u'吉') : QChar(u'平');
        while (sub < 3 && (subs[sub].contains(QChar(u'平')) || subs[sub].contains(mark)))
            ++sub;
        EXPECT_LT(sub, 3) << factors.toStdString();
        if (sub < 3)
            subs[sub] += mark;
    }
    return {QStringLiteral("凶"), subs[0], subs[1], subs[2]};
}

} // namespace

TEST(SancaiPoints, InauspiciousConfigurationsGiveTheTraditionalPoints)
{
    const std::pair<const char *, int> table[] = {
        {"", 60}, {"1.05", 62}, {"1.1", 66}, {"1.05 × 1.05", 65}, {"1.05 × 1.1", 68}, {"1.1 × 1.05", 69},
        {"1.1 × 1.1", 72}, {"1.05 × 1.05 × 1.05", 68}, {"1.05 × 1.05 × 1.1", 71}, {"1.05 × 1.1 × 1.05", 71},
        {"1.05 × 1.1 × 1.1", 74}, {"1.1 × 1.05 × 1.05", 72}, {"1.1 × 1.05 × 1.1", 75}, {"1.1 × 1.1 × 1.05", 75},
        {"1.1 × 1.1 × 1.1", 79}, {"1.05 × 1.05 × 1.1 × 1.05", 74}, {"1.05 × 1.1 × 1.05 × 1.05", 74},
        {"1.05 × 1.1 × 1.05 × 1.1", 78}, {"1.05 × 1.1 × 1.1 × 1.05", 77}, {"1.1 × 1.05 × 1.05 × 1.05", 75},
        {"1.1 × 1.05 × 1.05 × 1.1", 79}, {"1.1 × 1.05 × 1.1 × 1.05", 78}, {"1.1 × 1.05 × 1.1 × 1.1", 82},
        {"1.1 × 1.1 × 1.05 × 1.05", 78}, {"1.1 × 1.1 × 1.05 × 1.1", 82}, {"1.1 × 1.1 × 1.1 × 1.05", 82},
        {"1.05 × 1.1 × 1.05 × 1.1 × 1.05", 81}, {"1.1 × 1.05 × 1.05 × 1.1 × 1.05", 82},
        {"1.1 × 1.05 × 1.1 × 1.05 × 1.05", 81}, {"1.1 × 1.05 × 1.1 × 1.05 × 1.1", 85},
        {"1.1 × 1.05 × 1.1 × 1.1 × 1.05", 86}, {"1.1 × 1.1 × 1.05 × 1.1 × 1.05", 86},
        {"1.1 × 1.05 × 1.1 × 1.05 × 1.1 × 1.05", 89}};
    for (const auto &[factors, points] : table)
        EXPECT_EQ(sancaiPoints(inauspiciousWithFactors(QString::fromUtf8(factors))), points) << factors;
}

TEST(SancaiPoints, AuspiciousNeutralAndUnknownConfigurations)
{
    const auto v = [](const char *jx, const char *a, const char *b, const char *c) {
        return SancaiVerdict{QString::fromUtf8(jx), QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)};
    };
    EXPECT_EQ(sancaiPoints(v("吉", "吉", "平", "大吉")), 100);
    EXPECT_EQ(sancaiPoints(v("吉", "凶", "吉", "吉")), 95);
    EXPECT_EQ(sancaiPoints(v("吉", "凶", "平凶", "吉")), 90);
    EXPECT_EQ(sancaiPoints(v("吉", "凶", "大凶", "凶")), 85);
    EXPECT_EQ(sancaiPoints(v("平", "半吉", "凶", "")), 79); // 80 → 84 → 79
    EXPECT_EQ(sancaiPoints(v("凶", "平", "", "")), 62);
    EXPECT_EQ(sancaiPoints(v("", "吉", "吉", "吉")), 0);
    EXPECT_EQ(sancaiPoints(v("大吉", "吉", "吉", "吉")), 0);
}

TEST(LuckPoints, LevelsAndUnknownTexts)
{
    const std::pair<const char *, int> table[] = {{"大吉", 100}, {"吉", 90}, {"半吉", 80}, {"凶", 70}, {"大凶", 60},
                                                  {"", 0}, {"平", 0}};
    for (const auto &[level, points] : table)
        EXPECT_EQ(luckPoints(QString::fromUtf8(level)), points) << level;
}

class ScoreTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, numerologyFixtureDir()); }
    QString score(const char *gender, const FiveGrids &g) { return scoreName(tables, QString::fromUtf8(gender), g); }

    WorkingDir dir;
    data::Database db;
    LuckTables tables{db};
};

TEST_F(ScoreTest, WeightedMeanOfTheFourGridsAndTheConfiguration)
{
    // 人 21 大吉, 地 14 吉, 外 13 半吉, 总 34 大吉, 水木火 吉 without 平 or 凶: 406 / 4.2 = 96.67.
    const FiveGrids name{20, 21, 14, 13, 34};
    EXPECT_EQ(score("nan", name), QStringLiteral("97"));
    // 21 is a lonely number: 50 for a girl, whatever its level; "男" is no gender code.
    EXPECT_EQ(score("nv", name), QStringLiteral("85"));
    EXPECT_EQ(score("男", name), QStringLiteral("97"));
    // All 大凶 with a 凶 configuration; and with a configuration whose jx is empty.
    EXPECT_EQ(score("nan", {3, 4, 10, 20, 44}), QStringLiteral("60"));
    EXPECT_EQ(score("nan", {5, 4, 10, 20, 44}), QStringLiteral("46"));
}

TEST_F(ScoreTest, EmptyGenderTakesTheProfilesAndTheIntegerTableAgrees)
{
    const FiveGrids name{20, 21, 14, 13, 34};
    setProfileGenderSource([] { return QStringLiteral("nv"); });
    EXPECT_EQ(score("", name), QStringLiteral("85"));
    setProfileGenderSource([] { return QStringLiteral("nan"); });
    EXPECT_EQ(score("", name), QStringLiteral("97"));

    const ScoreTable table(tables);
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int s2 : {0, 7, 12})
            for (int g1 = 1; g1 <= 30; ++g1)
                for (int g2 : {0, 5, 9, 21}) {
                    const FiveGrids g = computeFiveGrids(s1, s2, g1, g2);
                    for (bool female : {false, true})
                        ASSERT_EQ(QString::number(table.score(s1, s2, g1, g2, female)),
                                  score(female ? "nv" : "nan", g))
                            << s1 << ' ' << s2 << ' ' << g1 << ' ' << g2;
                }
}

TEST_F(ScoreTest, NumbersAboveEightyOneTakeTheLevelOfTheirReading)
{
    EXPECT_EQ(tables.luckLevelOf(QStringLiteral("82")), QStringLiteral("大吉"));  // as 2
    EXPECT_EQ(tables.luckLevelOf(QStringLiteral("114")), QStringLiteral("大吉")); // as 34
    EXPECT_EQ(tables.luckLevelOf(QStringLiteral("7")), QStringLiteral("吉"));
    EXPECT_EQ(tables.luckLevelOf(QStringLiteral("07")), QString()); // looked up as text
    EXPECT_EQ(tables.luckLevelOf(QStringLiteral("3")), QString());  // no row
    // 总格 114 scores like 34.
    EXPECT_EQ(score("nan", {20, 21, 14, 13, 114}), score("nan", {20, 21, 14, 13, 34}));
    const ScoreTable table(tables);
    EXPECT_EQ(table.score({20, 21, 14, 13, 114 + 800}, false), 97);
}

TEST_F(ScoreTest, VerdictsByKeyInElementOrder)
{
    const SancaiVerdict v = tables.sancaiVerdictOf(QStringLiteral("金土木"));
    EXPECT_EQ(v.jx, QStringLiteral("吉"));
    EXPECT_EQ(v.jx1, QStringLiteral("大吉"));
    EXPECT_EQ(v.jx3, QStringLiteral("半吉"));
    EXPECT_TRUE(tables.sancaiVerdictOf(QStringLiteral("木土金")).jx.isEmpty());
}
