// Tables 小名 and 英文名 in a database built from the real sources: sizes, form, and that
// every initial a character's pinyin can start with lists names for boys and for girls.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace qiming;

namespace {

class OtherNamesData : public test::BuiltDatabaseSuite {};

// Length of the longest run of characters two texts share.
int longestCommonRun(const QString &a, const QString &b)
{
    std::vector<int> prev(size_t(b.size() + 1)), cur(size_t(b.size() + 1));
    int best = 0;
    for (int i = 1; i <= a.size(); ++i) {
        for (int j = 1; j <= b.size(); ++j) {
            cur[size_t(j)] = a.at(i - 1) == b.at(j - 1) ? prev[size_t(j - 1)] + 1 : 0;
            best = std::max(best, cur[size_t(j)]);
        }
        std::swap(prev, cur);
    }
    return best;
}

} // namespace

TEST_F(OtherNamesData, NicknameCharactersAreSingleDictionaryCharactersWithoutRepeats)
{
    const data::RowSet rs = rows(QStringLiteral("select 小名, (select count(*) from 字典 where 字典.zi = 小名.小名) "
                                                "from 小名"));
    EXPECT_GE(rs.rowCount(), 250);
    QSet<QString> seen;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString c = rs.value(r, 0);
        EXPECT_EQ(c.size(), 1) << c.toStdString();
        EXPECT_EQ(rs.value(r, 1), QStringLiteral("1")) << c.toStdString() << " is not in 字典";
        EXPECT_FALSE(seen.contains(c)) << c.toStdString() << " repeated";
        seen.insert(c);
    }
}

TEST_F(OtherNamesData, EveryEnglishEntryHasItsTransliterationAndMeaning)
{
    const data::RowSet rs = rows(QStringLiteral("select 英文名, 字母, 性别, 排名 from 英文名"));
    // "Olivia 奥利维亚 — 释义"
    const QRegularExpression form(QStringLiteral("^([A-Z][a-z]+) (\\p{Han}[\\p{Han}·]*) — (\\S.*\\p{Han}.*)$"));
    QMap<QString, int> perGender;
    QMap<QString, QSet<int>> ranks;
    QList<std::pair<QString, QString>> meanings; // name, meaning
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString entry = rs.value(r, 0);
        const QString gender = rs.value(r, 2);
        const QRegularExpressionMatch m = form.match(entry);
        ASSERT_TRUE(m.hasMatch()) << entry.toStdString();
        EXPECT_EQ(rs.value(r, 1), m.captured(1).left(1).toLower()) << entry.toStdString();
        EXPECT_TRUE(gender == QStringLiteral("男") || gender == QStringLiteral("女")) << entry.toStdString();
        EXPECT_FALSE(m.captured(3).contains(QStringLiteral("暂定"))) << entry.toStdString();
        const int rank = rs.value(r, 3).toInt();
        EXPECT_GT(rank, 0) << entry.toStdString();
        EXPECT_FALSE(ranks[gender].contains(rank)) << entry.toStdString();
        ranks[gender].insert(rank);
        ++perGender[gender];
        meanings.append({m.captured(1), m.captured(3)});
    }
    EXPECT_GE(perGender.value(QStringLiteral("男")), 300);
    EXPECT_GE(perGender.value(QStringLiteral("女")), 300);

    // Written one by one, not from a template: no two names share a long run of their meaning.
    for (int i = 0; i < meanings.size(); ++i)
        for (int j = i + 1; j < meanings.size(); ++j)
            if (meanings[i].first != meanings[j].first)
                EXPECT_LT(longestCommonRun(meanings[i].second, meanings[j].second), 14)
                    << meanings[i].second.toStdString() << " / " << meanings[j].second.toStdString();
}

TEST_F(OtherNamesData, EveryPinyinInitialListsNamesForBoysAndGirlsBestKnownFirst)
{
    const data::RowSet initials = rows(QStringLiteral("select distinct substr(py, 1, 1) from 字典 where py <> ''"));
    ASSERT_GT(initials.rowCount(), 20);
    for (int r = 0; r < initials.rowCount(); ++r) {
        const QString letter = initials.value(r, 0);
        for (const QString gender : {QStringLiteral("男"), QStringLiteral("女")}) {
            const data::RowSet names =
                rows(QStringLiteral("select 英文名, 排名 from 英文名 where 字母=? and 性别=? order by 排名"),
                     {letter, gender});
            EXPECT_GT(names.rowCount(), 0) << letter.toStdString() << ' ' << gender.toStdString();
        }
    }
    // 明 (ming): the best-known boys' name filed under m leads.
    const data::RowSet boys = rows(QStringLiteral("select 英文名 from 英文名 where 字母=? and 性别=? order by 排名"),
                                   {QStringLiteral("m"), QStringLiteral("男")});
    ASSERT_GT(boys.rowCount(), 0);
    EXPECT_TRUE(boys.value(0, 0).startsWith(QStringLiteral("Michael "))) << boys.value(0, 0).toStdString();
}
