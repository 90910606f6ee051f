// The score of a full name: a weighted mean of the luck points of 人格, 地格, 外格 and 总格
// and the three-talents points, with the lonely numbers counting against a girl's name.
#pragma once

#include "numerology/FiveGrids.h"
#include "numerology/LuckTables.h"

#include <QString>
#include <array>
#include <functional>

namespace qiming::numerology {

// 大吉 100, 吉 90, 半吉 80, 凶 70, 大凶 60; any other text (no N81 row) 0.
int luckPoints(const QString &level);
// Start by jx, then up to two factors per sub-verdict, each product truncated. The products
// are formed in x87 extended precision, which is what gives the traditional points of a
// 凶 configuration (60 × 1.05 is 62 there, not 63).
int sancaiPoints(const SancaiVerdict &verdict);

// The mean with weights 1, 1, 0.2, 1, 1, rounded: integer points make it (5·(人+地+总+三)+外)/21.
constexpr int weightedScore(int ren, int di, int wai, int zong, int sancai)
{
    return (5 * (ren + di + zong + sancai) + wai + 10) / 21;
}

// Where an empty gender takes its value from: the profile, once the shell has set it up.
void setProfileGenderSource(std::function<QString()> source);
QString profileGender();

// One term of the score: a grid number, its level and the points it counts.
struct ScoreTerm {
    const char16_t *grid = u""; // 人格 地格 外格 总格
    int number = 0;
    QString level;              // the N81 level of its reading number
    int levelPoints = 0;        // what the level is worth
    int points = 0;             // what the term counts: 50 for a girl's lonely number
    bool lonely = false;
};

// How the score is made, term by term: what the report explains.
struct ScoreBreakdown {
    std::array<ScoreTerm, 4> terms; // 人格 地格 外格 总格
    QString sancaiKey;
    SancaiVerdict sancai;
    int sancaiPoints = 0;
    bool female = false;
    int score = 0;
};

// gender "nan", "nv" or empty (the profile's).
ScoreBreakdown explainScore(LuckTables &tables, const QString &gender, const FiveGrids &grids);
// The score in decimal: explainScore's.
QString scoreName(LuckTables &tables, const QString &gender, const FiveGrids &grids);

// Every number's points for a boy and a girl and every configuration's points, as integer
// tables: scoring a name is then a handful of array reads. Gives what scoreName gives.
class ScoreTable final {
public:
    static constexpr int kTableSize = 512;

    explicit ScoreTable(LuckTables &tables);

    int pointsOf(int number, bool female) const
    {
        if (number < 0)
            return 0;
        if (number >= kTableSize) // never lonely itself, whatever it reads as
            return m_male[size_t(readingNumberOf(number))];
        return (female ? m_female : m_male)[size_t(number)];
    }
    int score(const FiveGrids &g, bool female) const
    {
        return weightedScore(pointsOf(g.ren, female), pointsOf(g.di, female), pointsOf(g.wai, female),
                             pointsOf(g.zong, female), m_sancai[size_t(sancaiIndexOf(g))]);
    }
    // Kangxi counts of the four positions, 0 for an absent surname 2 or given 2.
    int score(int s1, int s2, int g1, int g2, bool female) const
    {
        return score(computeFiveGrids(s1, s2, g1, g2), female);
    }

private:
    std::array<short, kTableSize> m_male{};
    std::array<short, kTableSize> m_female{};
    std::array<short, 125> m_sancai{};
};

} // namespace qiming::numerology
