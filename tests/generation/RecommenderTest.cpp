// 推荐度 over small tables with evidence made by hand: what ranks first, what is left out, the
// reasons a parent reads, and the spread of characters down the list.
#include "TestSupport.h"

#include "data/Database.h"
#include "generation/NameEvidence.h"
#include "generation/Recommender.h"
#include "numerology/CharacterTables.h"
#include "numerology/Homophones.h"
#include "numerology/LuckTables.h"
#include "numerology/NameScore.h"

#include <gtest/gtest.h>

#include <map>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

namespace {

// Rows given as "XY" strings; the order they come out in, as the same strings.
QStringList spread(const QStringList &rows, int window, int most)
{
    std::vector<std::pair<QChar, QChar>> keys;
    for (const QString &r : rows)
        keys.emplace_back(r.at(0), r.size() > 1 ? r.at(1) : QChar());
    QStringList out;
    for (int i : spreadOrder(keys, int(rows.size()), window, most))
        out << rows.at(i);
    return out;
}

} // namespace

TEST(SpreadOrder, MovesRowsUpOnlyAsFarAsTheWindowNeeds)
{
    struct Case {
        QStringList rows;
        int window, most;
        QStringList expected;
    } cases[] = {
        // Nothing to do: every first and second character is different.
        {{"明安", "华宁", "文心"}, 3, 1, {"明安", "华宁", "文心"}},
        // The third 明 waits until the window has moved past the first.
        {{"明安", "明宁", "明心", "华雨", "文一"}, 3, 2, {"明安", "明宁", "华雨", "明心", "文一"}},
        // Second characters count on their own: 安 at position two.
        {{"明安", "华安", "文宁"}, 2, 1, {"明安", "文宁", "华安"}},
        // Where nothing fits, the best waiting row goes next rather than nothing.
        {{"明安", "明宁", "明心"}, 3, 1, {"明安", "明宁", "明心"}},
        // One-character names have no second character.
        {{"明", "明", "华"}, 2, 1, {"明", "华", "明"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(spread(c.rows, c.window, c.most), c.expected) << c.rows.join(' ').toStdString();
}

TEST(SpreadOrder, NoCharacterMoreThanThreeTimesInAnyThirtyRows)
{
    // 300 names over twenty first characters, best first as a sort leaves them: in runs.
    QStringList rows;
    const QString firsts = QStringLiteral("子梓浩宇一思雨欣若语沐奕俊博嘉明诗佳晨书");
    const QString seconds = QStringLiteral("涵轩然辰诺远桐怡汐嫣安宁心文华明");
    for (QChar f : firsts)
        for (int k = 0; k < 15; ++k)
            rows << QString(f) + seconds.at(k % seconds.size());
    const QStringList out = spread(rows, 30, 3);
    ASSERT_EQ(out.size(), rows.size());
    // The tail may be left with one character only; the head is what a parent reads.
    for (int start = 0; start + 30 <= 150; ++start) {
        std::map<QChar, int> first, second;
        for (int r = start; r < start + 30; ++r) {
            EXPECT_LE(++first[out[r].at(0)], 3) << start;
            EXPECT_LE(++second[out[r].at(1)], 3) << start;
        }
    }
}

TEST(NameEvidenceRules, WordsAndVersePairsThatSayNothingForAName)
{
    struct Word {
        const char *word, *pos;
        bool counts;
    } words[] = {{"明亮", "a", true},  {"浩然", "nz", true}, {"洛阳", "ns", false}, {"一天", "m", false},
                 {"亭子", "n", false}, {"春天", "t", false}, {"李白", "nr", false}};
    for (const Word &w : words)
        EXPECT_EQ(NameEvidence::wordCountsForName(QString::fromUtf8(w.word), QString::fromLatin1(w.pos)), w.counts)
            << w.word;
    EXPECT_FALSE(NameEvidence::versePairCountsForName(u'南', u'北'));
    EXPECT_FALSE(NameEvidence::versePairCountsForName(u'君', u'家'));
    EXPECT_FALSE(NameEvidence::versePairCountsForName(u'所', u'谓'));
    EXPECT_TRUE(NameEvidence::versePairCountsForName(u'白', u'露'));
}

class RecommenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openFixtureDatabase(db, dir, generationFixtureDir());
        chars = std::make_unique<numerology::CharacterTables>(db);
        luck = std::make_unique<numerology::LuckTables>(db);
        scores = std::make_unique<numerology::ScoreTable>(*luck);
        PairEvidence &library = evidence.editPair(u'安', u'宁');
        library.style = NameStyle::Contemporary;
        library.genders = kForGirls;
        library.libraryRow = evidence.addLibraryTexts(QStringLiteral("平安宁静。"), QString());
        PairEvidence &verse = evidence.editPair(u'思', u'雨');
        verse.verseCount = 12;
        verse.verseCounts = true;
        verse.verseRow = evidence.addVerse(QStringLiteral("思雨满衣襟。"), QStringLiteral("唐·某某《某诗》"));
        PairEvidence &dated = evidence.editPair(u'华', u'明');
        dated.style = NameStyle::Dated;
        dated.genders = kForGirls;
        dated.libraryRow = evidence.addLibraryTexts(QString(), QString());
        evidence.editCharacter(u'乐').unfit = true;
    }
    std::vector<RankedName> rank(const QString &avoid = {})
    {
        Recommender recommender(*chars, *scores, homophones, evidence);
        RecommendSetup setup;
        setup.surname = QStringLiteral("李");
        setup.gender = QStringLiteral("nv");
        setup.minScore = 0;
        setup.avoid = avoid;
        return recommender.rank(setup, 200);
    }
    static int indexOf(const std::vector<RankedName> &list, const QString &given)
    {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].given == given)
                return int(i);
        return -1;
    }

    WorkingDir dir;
    data::Database db;
    std::unique_ptr<numerology::CharacterTables> chars;
    std::unique_ptr<numerology::LuckTables> luck;
    std::unique_ptr<numerology::ScoreTable> scores;
    numerology::HomophoneTable homophones;
    NameEvidence evidence;
};

TEST_F(RecommenderTest, KnownNamesFirstThenVersePairsThenTheRestDatedNamesLast)
{
    const std::vector<RankedName> list = rank();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().given, QStringLiteral("安宁"));
    const int verse = indexOf(list, QStringLiteral("思雨"));
    const int dated = indexOf(list, QStringLiteral("华明"));
    const int plain = indexOf(list, QStringLiteral("心天"));
    ASSERT_GE(verse, 0);
    ASSERT_GE(plain, 0);
    EXPECT_LT(verse, plain);
    // A dated name is known, yet a parent of today passes it by.
    EXPECT_GT(dated, plain);
    EXPECT_GT(list[size_t(verse)].recommend, list[size_t(plain)].recommend);
    EXPECT_GT(list.front().recommend, list[size_t(dated)].recommend);
    for (const RankedName &r : list) {
        EXPECT_GE(r.reasons.size(), 1) << r.given.toStdString();
        EXPECT_LE(r.reasons.size(), 3) << r.given.toStdString();
        EXPECT_FALSE(r.pinyin.isEmpty());
    }
}

TEST_F(RecommenderTest, ReasonsNameTheirEvidence)
{
    const std::vector<RankedName> list = rank();
    const RankedName &library = list[size_t(indexOf(list, QStringLiteral("安宁")))];
    EXPECT_TRUE(library.reasons.contains(QStringLiteral("名字库：当代常见名"))) << library.reasons.join('|').toStdString();
    EXPECT_TRUE(library.reasons.contains(QStringLiteral("字义：平安宁静。")));
    const RankedName &verse = list[size_t(indexOf(list, QStringLiteral("思雨")))];
    EXPECT_EQ(verse.reasons.value(0), QStringLiteral("诗词：出自唐·某某《某诗》“思雨满衣襟。”"));
    const RankedName &dated = list[size_t(indexOf(list, QStringLiteral("华明")))];
    EXPECT_TRUE(dated.reasons.contains(QStringLiteral("名字库：旧式名，1950–1990 年代常见")));
}

TEST_F(RecommenderTest, UnfitAndAvoidedCharactersNeverAppear)
{
    for (const RankedName &r : rank(QStringLiteral("天")))
        EXPECT_FALSE(r.given.contains(u'乐') || r.given.contains(u'天')) << r.given.toStdString();
}
