// The high-score run on tables whose scores are known: totals, order, thresholds, messages.
#include "TestSupport.h"

#include "data/Database.h"
#include "generation/CandidateListModel.h"
#include "generation/HighScoreRun.h"
#include "numerology/CharacterTables.h"
#include "numerology/LuckTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

class HighScoreRunTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, generationFixtureDir()); }
    // Ticks until the run ends, as the timer would.
    int runToEnd()
    {
        int ticks = 0;
        while (run.tick())
            ++ticks;
        return ticks + 1;
    }
    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < list.size(); ++r)
            out << list.candidate(r).scored.name + QLatin1Char(':') + list.candidate(r).scored.score;
        return out;
    }
    HighScoreSetup boy(int length = 2, const QString &fixed = {}, int position = 1)
    {
        return {QStringLiteral("李"), QStringLiteral("nan"), length, fixed, position};
    }

    WorkingDir dir;
    data::Database db;
    numerology::CharacterTables chars{db};
    numerology::LuckTables luck{db};
    CandidateListModel list;
    HighScoreRun run{&list, chars, luck};
};

TEST_F(HighScoreRunTest, VisitsEveryOrderedPairFirstCharacterOuter)
{
    EXPECT_TRUE(run.prepare(boy()).isEmpty());
    EXPECT_EQ(run.total(), 9);
    run.listEveryName();
    int finished = 0;
    QObject::connect(&run, &HighScoreRun::finished, [&] { ++finished; });
    runToEnd();
    EXPECT_EQ(run.computed(), 9);
    EXPECT_EQ(finished, 1);
    // Sorted by score at the end; equal scores keep the order they were formed in.
    QStringList formed;
    for (int r = 0; r < list.size(); ++r)
        formed << list.candidate(r).scored.name;
    const QStringList all = {"李明明", "李明华", "李明文", "李华明", "李华华", "李华文", "李文明", "李文华", "李文文"};
    QStringList byScore = all;
    std::stable_sort(byScore.begin(), byScore.end(), [&](const QString &a, const QString &b) {
        const auto score = [&](const QString &n) {
            for (int r = 0; r < list.size(); ++r)
                if (list.candidate(r).scored.name == n)
                    return list.candidate(r).scored.score.toInt();
            return -1;
        };
        return score(a) > score(b);
    });
    EXPECT_EQ(formed, byScore);
    EXPECT_FALSE(run.tick()); // finished stays finished, no second message
    EXPECT_EQ(finished, 1);
}

TEST_F(HighScoreRunTest, NinetyFiveIsListedAndNinetyFourOnlyCounted)
{
    run.prepare(boy());
    EXPECT_EQ(run.threshold(), 95);
    runToEnd();
    EXPECT_EQ(names(), QStringList({"李明明:95"}));
    EXPECT_EQ(run.listed(), 1);
    EXPECT_EQ(run.computed(), 9);
    const NameCandidate &row = list.candidate(0);
    EXPECT_EQ(row.serial, QStringLiteral("1"));
    EXPECT_EQ(row.scored.fiveGrids, QStringLiteral("8-15-16-9-23"));
    EXPECT_EQ(row.scored.kangxiStrokes, QStringLiteral("7-8-8"));
    EXPECT_EQ(row.scored.elements, QStringLiteral("木-火-火"));

    // The list's rows are what buildCandidate-style scoring gives (李明文 is the 94).
    run.prepare(boy());
    run.listEveryName();
    runToEnd();
    EXPECT_TRUE(names().contains(QStringLiteral("李明文:94")));
}

TEST_F(HighScoreRunTest, SingleNamesAndFixedCharactersListEverythingWithTheirMessages)
{
    EXPECT_EQ(run.prepare(boy(1)), QStringList({QStringLiteral("单名模式可能比较少高分名字，将全部显示！")}));
    EXPECT_EQ(run.total(), 3);
    runToEnd();
    EXPECT_EQ(list.size(), 3);

    EXPECT_EQ(run.prepare(boy(1, QStringLiteral("安"))),
              QStringList({QStringLiteral("单名模式可能比较少高分名字，将全部显示！"), QStringLiteral("您设置了指定字，将全部显示！")}));
    EXPECT_EQ(run.total(), 1);
    runToEnd();
    EXPECT_EQ(list.size(), 1);
    EXPECT_TRUE(list.candidate(0).scored.name == QStringLiteral("李安"));

    EXPECT_EQ(run.prepare(boy(2, QStringLiteral("安"), 2)), QStringList({QStringLiteral("您设置了指定字，将全部显示！")}));
    EXPECT_EQ(run.total(), 3);
    runToEnd();
    ASSERT_EQ(list.size(), 3);
    for (int r = 0; r < 3; ++r)
        EXPECT_TRUE(list.candidate(r).scored.name.endsWith(QStringLiteral("安")));

    run.prepare(boy(2, QStringLiteral("安"), 1));
    runToEnd();
    ASSERT_EQ(list.size(), 3);
    for (int r = 0; r < 3; ++r)
        EXPECT_TRUE(list.candidate(r).scored.name.startsWith(QStringLiteral("李安")));
}

TEST_F(HighScoreRunTest, PausingAndResumingGivesTheSameListAsOneRun)
{
    HighScoreSetup girl{QStringLiteral("欧阳"), QStringLiteral("nv"), 2, {}, 1};
    run.prepare(girl);
    run.listEveryName();
    runToEnd();
    QStringList uninterrupted = names();
    ASSERT_EQ(run.total(), 144);

    run.prepare(girl);
    run.listEveryName();
    run.setSliceMs(0); // the minimum slice: 55 names, three ticks here
    EXPECT_TRUE(run.tick());
    const qint64 afterOne = run.computed();
    EXPECT_GE(afterOne, 55);
    EXPECT_LT(afterOne, 144);
    run.start();
    run.pause();
    EXPECT_FALSE(run.isActive());
    run.resume();
    EXPECT_TRUE(run.isActive());
    runToEnd();
    EXPECT_EQ(names(), uninterrupted);
    EXPECT_EQ(list.identity().gender, QStringLiteral("nv"));
    EXPECT_FALSE(list.identity().singleSurname);
}

TEST_F(HighScoreRunTest, AnEmptyCharacterListEndsAtOnceWithTheMessage)
{
    db.exec(QStringLiteral("delete from 男常用字"));
    run.prepare(boy());
    EXPECT_EQ(run.total(), 0);
    int finished = 0;
    QObject::connect(&run, &HighScoreRun::finished, [&] { ++finished; });
    EXPECT_FALSE(run.tick());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(list.size(), 0);
}

// The generation tables with a 谐音 list and one given-name reading: which names sound bad is
// known for every one of the nine.
TEST(HighScoreRunHomophones, LeavesOutEveryNameThatReadsToneForToneLikeAnEntry)
{
    WorkingDir dir;
    QTemporaryDir tables;
    for (const QString &file : QDir(generationFixtureDir()).entryList({QStringLiteral("*.tsv")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(QDir(generationFixtureDir()).filePath(file), tables.filePath(file)));
    writeFileBytes(tables.filePath(QStringLiteral("谐音.tsv")),
                   QStringLiteral("拼音\t谐音\t类别\t说明\n"
                                  "ming2 hua2\t甲\t笑话\t\n"       // given name: 李明华
                                  "li3 wen2\t乙\t笑话\t\n"         // surname and first: 李文…
                                  "li3 hua2 ming2\t丙\t笑话\t\n"   // all three: 李华明
                                  "hua4 hua4\t丁\t笑话\t\n"        // only without tones: 李华华 stays
                                  "ming4 ming4\t戊\t笑话\t\n")     // only by 名读音's reading: 李明明
                       .toUtf8());
    writeFileBytes(tables.filePath(QStringLiteral("名读音.tsv")), QStringLiteral("词\t拼音\n明明\tmìng mìng\n").toUtf8());
    data::Database db;
    openFixtureDatabase(db, dir, tables.path());
    numerology::CharacterTables chars{db};
    numerology::LuckTables luck{db};
    CandidateListModel list;
    HighScoreRun run{&list, chars, luck};
    run.prepare({QStringLiteral("李"), QStringLiteral("nan"), 2, {}, 1});
    run.listEveryName();
    while (run.tick()) {
    }
    QStringList listed;
    for (int r = 0; r < list.size(); ++r)
        listed << list.candidate(r).scored.name;
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("李华华"), QStringLiteral("李华文"), QStringLiteral("李明文")}));
    EXPECT_EQ(run.homophonesLeftOut(), 6);
    EXPECT_EQ(run.computed(), 9);
}
