// Poetry mode's logic on a small poem table: the picker layout, the cascade's queries, the
// search, and the 诗词出处 index.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"
#include "generation/PoemLibrary.h"
#include "numerology/PoemSource.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

namespace {

QString poetryFixtureDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/poetry");
}

QStringList cellsText(const std::vector<PickerCell> &cells)
{
    QStringList out;
    for (const PickerCell &c : cells)
        out << QStringLiteral("%1,%2:%3").arg(c.x).arg(c.y).arg(c.text);
    return out;
}

} // namespace

TEST(PoemLayout, SeparatorsStartLinesAndAPairAdvancesSeveral)
{
    // Five characters, "，" and CR LF: the next verse starts on line 4.
    const auto cells = layoutPoem(QStringLiteral("床前明月光，\r\n疑是地上霜。"));
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cellsText(cells).mid(3, 3),
              QStringList({QStringLiteral("4,1:月"), QStringLiteral("5,1:光"), QStringLiteral("1,4:疑")}));
    // Every separator counts; spaces and other punctuation get boxes; a pair is one box.
    EXPECT_EQ(cellsText(layoutPoem(QStringLiteral("甲、乙！丙？丁。戊 ；𠀀"))),
              QStringList({QStringLiteral("1,1:甲"), QStringLiteral("1,2:乙"), QStringLiteral("1,3:丙"),
                           QStringLiteral("1,4:丁"), QStringLiteral("1,5:戊"), QStringLiteral("2,5: "),
                           QStringLiteral("3,5:；"), QStringLiteral("4,5:𠀀")}));
    EXPECT_TRUE(layoutPoem(QString()).empty());
    // No cap: a line of 150 characters and 120 lines keep every character.
    QString longText = QString(150, QChar(u'月')) + QString(120, QChar(u'\n')) + QStringLiteral("终");
    const auto big = layoutPoem(longText);
    ASSERT_EQ(big.size(), 151u);
    EXPECT_EQ(big.back().y, 121);
    EXPECT_EQ(big[149].x, 150);
}

class PoemLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.file(data::kDatabaseFileName);
        const data::BuildResult built = data::buildDatabase(path, {poetryFixtureDir()});
        ASSERT_TRUE(built.ok) << qPrintable(built.error);
        ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
    }
    WorkingDir dir;
    data::Database db;
    PoemLibrary library{db};
};

TEST_F(PoemLibraryTest, TheCascadeKeepsEachPoetsOwnPoemUnderASharedTitle)
{
    EXPECT_EQ(library.dynasties(), QStringList({QStringLiteral("先秦"), QStringLiteral("唐"), QStringLiteral("宋")}));
    EXPECT_EQ(library.poets(QStringLiteral("宋")), QStringList({QStringLiteral("晏殊"), QStringLiteral("苏轼")}));
    EXPECT_EQ(library.titles(QStringLiteral("宋"), QStringLiteral("苏轼")), QStringList({QStringLiteral("浣溪沙")}));
    EXPECT_TRUE(library.titles(QStringLiteral("唐"), QStringLiteral("苏轼")).isEmpty());
    EXPECT_TRUE(library.poemText({QStringLiteral("宋"), QStringLiteral("苏轼"), QStringLiteral("浣溪沙")})
                    .startsWith(QStringLiteral("山下兰芽")));
    EXPECT_TRUE(library.poemText({QStringLiteral("宋"), QStringLiteral("晏殊"), QStringLiteral("浣溪沙")})
                    .startsWith(QStringLiteral("一曲新词")));
    // A quote is only a character.
    EXPECT_EQ(library.titles(QStringLiteral("唐"), QStringLiteral("丙")), QStringList({QStringLiteral("丙's 诗")}));
    EXPECT_EQ(library.poemText({QStringLiteral("唐"), QStringLiteral("丙"), QStringLiteral("丙's 诗")}),
              QStringLiteral("安宁心。"));
    EXPECT_EQ(library.poemText({QStringLiteral("唐"), QStringLiteral("李白"), QStringLiteral("静夜思")}),
              QStringLiteral("床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。"));
}

TEST_F(PoemLibraryTest, SearchFindsTitlesThenPoetsThenVerses)
{
    const auto keys = [](const std::vector<PoemKey> &hits) {
        QStringList out;
        for (const PoemKey &k : hits)
            out << k.poet + QLatin1Char(' ') + k.title;
        return out;
    };
    EXPECT_EQ(keys(library.search(QStringLiteral("静夜思"))), QStringList({QStringLiteral("李白 静夜思")}));
    EXPECT_EQ(keys(library.search(QStringLiteral("浣溪沙"))),
              QStringList({QStringLiteral("晏殊 浣溪沙"), QStringLiteral("苏轼 浣溪沙")}));
    EXPECT_EQ(keys(library.search(QStringLiteral("王维"))), QStringList({QStringLiteral("王维 相思")}));
    EXPECT_EQ(keys(library.search(QStringLiteral("明月"))),
              QStringList({QStringLiteral("李白 静夜思"), QStringLiteral("甲 明华之一")}));
    // Wildcards are characters too; blank words find nothing.
    EXPECT_TRUE(library.search(QStringLiteral("%")).empty());
    EXPECT_TRUE(library.search(QStringLiteral("  ")).empty());
    EXPECT_EQ(keys(library.search(QStringLiteral("'s"))), QStringList({QStringLiteral("丙 丙's 诗")}));
}

TEST_F(PoemLibraryTest, SourcesPreferOneLineThenOneSentenceThenFame)
{
    const numerology::PoemSourceIndex index = numerology::PoemSourceIndex::load(db);
    EXPECT_EQ(index.poemCount(), 8);
    const auto verses = [&](const QString &given) {
        QStringList out;
        for (const numerology::PoemSource &s : index.lookup(given))
            out << s.title + QLatin1Char('|') + s.verse;
        return out;
    };
    EXPECT_EQ(verses(QStringLiteral("明华")),
              QStringList({QStringLiteral("明华之二|明华满天地。"), QStringLiteral("明华之一|明月照高楼，华灯映长街。")}));
    // Order within the name does not matter; one character gives its best-known verses.
    EXPECT_EQ(verses(QStringLiteral("华明")), verses(QStringLiteral("明华")));
    EXPECT_EQ(verses(QStringLiteral("明")),
              QStringList({QStringLiteral("静夜思|床前明月光，疑是地上霜。"),
                           QStringLiteral("明华之一|明月照高楼，华灯映长街。"), QStringLiteral("明华之二|明华满天地。")}));
    // A repeated character needs two occurrences; a poem gives one verse.
    EXPECT_EQ(verses(QStringLiteral("窈窕")), QStringList({QStringLiteral("关雎|窈窕淑女，君子好逑。")}));
    EXPECT_EQ(verses(QStringLiteral("关关")), QStringList({QStringLiteral("关雎|关关雎鸠，在河之洲。")}));
    // Nowhere together: each character's verses in turn, marked as such.
    const auto apart = index.lookup(QStringLiteral("霜红"));
    ASSERT_EQ(apart.size(), 2u);
    EXPECT_EQ(apart[0].title + apart[1].title, QStringLiteral("静夜思相思"));
    EXPECT_FALSE(apart[0].together || apart[1].together);
    EXPECT_EQ(verses(QStringLiteral("月月")), verses(QStringLiteral("月")));
    EXPECT_TRUE(index.lookup(QStringLiteral("明华")).front().together);
    EXPECT_TRUE(verses(QStringLiteral("月霜")).size() == 1);
    EXPECT_TRUE(verses(QStringLiteral("龙龙")).isEmpty());
    EXPECT_TRUE(verses(QString()).isEmpty());
    EXPECT_EQ(index.lookup(QStringLiteral("明"), 1).size(), 1u);
}

TEST(PoemSource, TheGivenNameComesFromTheGridsForThreeCharacters)
{
    const auto given = [](const char *name, const char *kangxi, const char *grids) {
        return numerology::givenNameOf({QString::fromUtf8(name), {}, {}, {}, QString::fromUtf8(kangxi),
                                        QString::fromUtf8(grids), {}});
    };
    EXPECT_EQ(given("李明", "7-8", "8-15-9-2-15"), QStringLiteral("明"));
    EXPECT_EQ(given("李欣怡", "7-8-9", "8-15-17-10-24"), QStringLiteral("欣怡"));
    EXPECT_EQ(given("欧阳修", "15-17-10", "32-27-11-16-42"), QStringLiteral("修"));
    EXPECT_EQ(given("欧阳明华", "15-17-8-14", "32-25-22-29-54"), QStringLiteral("明华"));
}
