// The character-set run on small tables: extraction, order, counts, one run for two lists.
#include "TestSupport.h"

#include "data/Database.h"
#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "numerology/CharacterTables.h"
#include "numerology/LuckTables.h"
#include "numerology/SharedNumerology.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::generation;
using namespace qiming::test;

class CharSetRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openFixtureDatabase(db, dir, generationFixtureDir());
        QObject::connect(&run, &CharSetRun::finished,
                         [this](CandidateListModel *target, int count) { ends << std::make_pair(target, count); });
    }
    void runToEnd()
    {
        while (run.tick()) {
        }
    }
    static QStringList names(const CandidateListModel &list)
    {
        QStringList out;
        for (int r = 0; r < list.size(); ++r)
            out << list.candidate(r).serial + QLatin1Char(':') + list.candidate(r).scored.name;
        return out;
    }
    CharSetSetup setup(int length = 2, const QString &gender = QStringLiteral("nan"))
    {
        return {QStringLiteral("李"), length, gender};
    }

    WorkingDir dir;
    data::Database db;
    numerology::CharacterTables chars{db};
    numerology::LuckTables luck{db};
    CandidateListModel list;
    CandidateListModel other;
    CharSetRun run{chars, luck};
    QList<std::pair<CandidateListModel *, int>> ends;
};

TEST_F(CharSetRunTest, TheLastOccurrenceStaysAndEveryOrderedPairIsListed)
{
    const QString text = QStringLiteral("明，华\n明");
    EXPECT_EQ(extractCharacters(text, chars), QStringList({QStringLiteral("华"), QStringLiteral("明")}));
    run.start(text, &list, setup());
    EXPECT_TRUE(run.isActive());
    runToEnd();
    EXPECT_EQ(names(list), QStringList({QStringLiteral("1:李华华"), QStringLiteral("2:李华明"), QStringLiteral("3:李明华"),
                                        QStringLiteral("4:李明明")}));
    EXPECT_TRUE(run.isFinished());
    EXPECT_FALSE(run.isPaused());
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0], std::make_pair(&list, 4));
    // Each row is the name scored for the run's identity.
    EXPECT_EQ(list.candidate(3).scored.score,
              numerology::scoreFullName(chars, luck, QStringLiteral("李明明"), true, false, QStringLiteral("nan")).score);
    EXPECT_EQ(list.identity().singleGiven, false);
}

TEST_F(CharSetRunTest, OneCharacterNamesListEachCharacterOnce)
{
    run.start(QStringLiteral("明，华\n明"), &list, setup(1));
    runToEnd();
    EXPECT_EQ(names(list), QStringList({QStringLiteral("1:李华"), QStringLiteral("2:李明")}));
    EXPECT_EQ(ends, (QList<std::pair<CandidateListModel *, int>>{{&list, 2}}));
    EXPECT_TRUE(list.identity().singleGiven);
}

TEST_F(CharSetRunTest, ATextWithoutDictionaryCharactersEndsEmptyAtTheFirstTick)
{
    for (const QString &text : {QStringLiteral("abc 123"), QString(), QStringLiteral("，。！\n"),
                                QStringLiteral("𠀀")}) {
        ends.clear();
        run.start(text, &list, setup());
        EXPECT_FALSE(run.tick());
        EXPECT_EQ(list.size(), 0);
        EXPECT_EQ(ends, (QList<std::pair<CandidateListModel *, int>>{{&list, 0}})) << qPrintable(text);
    }
}

TEST_F(CharSetRunTest, StartingForAnotherListEndsTheRunAndTheFirstListKeepsItsRows)
{
    const QString all = QStringLiteral("明华文安宁心雨子一天成思乐");
    run.setSliceMs(0);
    run.start(all, &list, setup());
    EXPECT_EQ(run.total(), 169);
    EXPECT_TRUE(run.tick());
    const int kept = list.size();
    EXPECT_GE(kept, 55);
    EXPECT_LT(kept, 169);
    run.start(QStringLiteral("明华"), &other, setup());
    EXPECT_EQ(run.target(), &other);
    runToEnd();
    EXPECT_EQ(list.size(), kept);
    EXPECT_EQ(other.size(), 4);
    EXPECT_EQ(ends, (QList<std::pair<CandidateListModel *, int>>{{&other, 4}}));
}

TEST_F(CharSetRunTest, PauseAndResumeOnlyWhileTheRunLasts)
{
    run.setSliceMs(0);
    run.start(QStringLiteral("明华文安宁心雨子一天成思乐"), &list, setup());
    run.pause();
    EXPECT_TRUE(run.isPaused());
    EXPECT_FALSE(run.isActive());
    run.resume();
    EXPECT_TRUE(run.isActive());
    runToEnd();
    EXPECT_EQ(list.size(), 169);
    run.resume(); // a finished run stays finished
    EXPECT_FALSE(run.isActive());
    EXPECT_FALSE(run.isPaused());
}

TEST_F(CharSetRunTest, TheGenderIsTheOneGivenAtTheStart)
{
    run.start(QStringLiteral("明华"), &list, setup(2, QStringLiteral("nv")));
    runToEnd();
    EXPECT_EQ(list.identity().gender, QStringLiteral("nv"));
    for (int r = 0; r < list.size(); ++r)
        EXPECT_EQ(list.candidate(r).scored.score,
                  numerology::scoreFullName(chars, luck, list.candidate(r).scored.name, true, false,
                                            QStringLiteral("nv"))
                      .score);
}
