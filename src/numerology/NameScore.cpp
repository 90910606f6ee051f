#include "numerology/NameScore.h"

#include <algorithm>
#include <cmath>

namespace qiming::numerology {

namespace {

std::function<QString()> &genderSource()
{
    // Until a profile exists the program's default baby is a boy.
    static std::function<QString()> source = [] { return QStringLiteral("nan"); };
    return source;
}

int termPoints(LuckTables &tables, int number, bool female)
{
    if (female && isLonelyNumber(number))
        return 50;
    return luckPoints(tables.luckLevelOf(QString::number(number)));
}

} // namespace

int luckPoints(const QString &level)
{
    if (level == u"大吉")
        return 100;
    if (level == u"吉")
        return 90;
    if (level == u"半吉")
        return 80;
    if (level == u"凶")
        return 70;
    if (level == u"大凶")
        return 60;
    return 0;
}

int sancaiPoints(const SancaiVerdict &v)
{
    static_assert(sizeof(long double) > sizeof(double), "the points need x87 extended precision");
    struct Rule {
        const char16_t *jx;
        int start;
        char16_t firstMark;
        long double firstFactor;
        char16_t secondMark;
        long double secondFactor;
    };
    static const Rule rules[] = {{u"吉", 100, u'平', 1.0L, u'凶', 0.95L},
                                 {u"平", 80, u'吉', 1.05L, u'凶', 0.95L},
                                 {u"凶", 60, u'吉', 1.1L, u'平', 1.05L}};
    const auto rule = std::find_if(std::begin(rules), std::end(rules), [&v](const Rule &r) { return v.jx == QStringView(r.jx); });
    if (rule == std::end(rules))
        return 0;
    long double points = rule->start;
    for (const QString *sub : {&v.jx1, &v.jx2, &v.jx3}) {
        if (sub->contains(QChar(rule->firstMark)))
            points = std::trunc(points * rule->firstFactor);
        if (sub->contains(QChar(rule->secondMark)))
            points = std::trunc(points * rule->secondFactor);
    }
    return int(points);
}

void setProfileGenderSource(std::function<QString()> source)
{
    genderSource() = std::move(source);
}

QString profileGender()
{
    return genderSource()();
}

ScoreBreakdown explainScore(LuckTables &tables, const QString &gender, const FiveGrids &grids)
{
    const QString g = gender.isEmpty() ? profileGender() : gender;
    ScoreBreakdown b;
    b.female = g == u"nv";
    const std::pair<const char16_t *, int> numbers[4] = {
        {u"人格", grids.ren}, {u"地格", grids.di}, {u"外格", grids.wai}, {u"总格", grids.zong}};
    for (size_t i = 0; i < 4; ++i) {
        ScoreTerm &t = b.terms[i];
        t.grid = numbers[i].first;
        t.number = numbers[i].second;
        t.level = tables.luckLevelOf(QString::number(t.number));
        t.levelPoints = luckPoints(t.level);
        t.lonely = b.female && isLonelyNumber(t.number);
        t.points = termPoints(tables, t.number, b.female);
    }
    b.sancaiKey = sancaiKeyOf(grids);
    b.sancai = tables.sancaiVerdictOf(b.sancaiKey);
    b.sancaiPoints = sancaiPoints(b.sancai);
    b.score = weightedScore(b.terms[0].points, b.terms[1].points, b.terms[2].points, b.terms[3].points,
                            b.sancaiPoints);
    return b;
}

QString scoreName(LuckTables &tables, const QString &gender, const FiveGrids &grids)
{
    return QString::number(explainScore(tables, gender, grids).score);
}

ScoreTable::ScoreTable(LuckTables &tables)
{
    for (int n = 0; n < kTableSize; ++n) {
        const int points = luckPoints(tables.luckLevelOf(QString::number(n)));
        m_male[size_t(n)] = short(points);
        m_female[size_t(n)] = short(isLonelyNumber(n) ? 50 : points);
    }
    for (int i = 0; i < 125; ++i) {
        const QString key = QString(kElements.at(i / 25)) + kElements.at(i / 5 % 5) + kElements.at(i % 5);
        m_sancai[size_t(i)] = short(sancaiPoints(tables.sancaiVerdictOf(key)));
    }
}

} // namespace qiming::numerology
