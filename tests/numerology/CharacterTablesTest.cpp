// Character attributes: lookups, the dictionary test, full-name slots, Kangxi counts and
// random common characters.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/SharedDatabase.h"
#include "numerology/CharacterTables.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::numerology;
using namespace qiming::test;

class CharacterTablesTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, numerologyFixtureDir()); }
    WorkingDir dir;
    data::Database db;
    CharacterTables chars{db};
};

TEST_F(CharacterTablesTest, LookupGivesTheJoinedRowAndFallsBackToSimplifiedStrokes)
{
    bool found = false;
    HanziInfo info = chars.lookupHanzi(QStringLiteral("明"), &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(info.pinyin, QStringLiteral("míng"));
    EXPECT_EQ(info.plainPinyin, QStringLiteral("ming"));
    EXPECT_EQ(info.element, QStringLiteral("火"));
    EXPECT_EQ(info.kangxiStrokes, QStringLiteral("8"));

    // In 字典, not in 五行: no element, Kangxi count = simplified count.
    info = chars.lookupHanzi(QStringLiteral("乐"), &found);
    EXPECT_TRUE(found);
    EXPECT_TRUE(info.element.isEmpty());
    EXPECT_EQ(info.kangxiStrokes, QStringLiteral("5"));
    // An empty 五行 count falls back too.
    EXPECT_EQ(chars.lookupHanzi(QStringLiteral("小")).kangxiStrokes, QStringLiteral("3"));
    EXPECT_EQ(chars.kangxiCount(QChar(u'小')), 3);
    EXPECT_EQ(chars.kangxiCount(QChar(u'欧')), 15);

    info = chars.lookupHanzi(QStringLiteral("龘"), &found);
    EXPECT_FALSE(found);
    EXPECT_TRUE(info.zi.isEmpty());
}

TEST_F(CharacterTablesTest, DictionaryTestLooksAtEveryUtf16Unit)
{
    const std::pair<QString, bool> cases[] = {
        {QString(), false},
        {QStringLiteral("李明"), true},
        {QStringLiteral("李 明"), false},
        {QStringLiteral("李1"), false},
        {QStringLiteral("a李"), false},
        {QStringLiteral("龘"), false},
        {QString::fromUcs4(U"\U00020000"), false}, // outside the BMP: each half is tested alone
        {QStringLiteral("李'"), false},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(chars.isAllInDictionary(text), expected) << text.toStdString();
}

TEST_F(CharacterTablesTest, FlagsDecideWhichPositionFeedsWhichSlot)
{
    NameAttributes a = chars.lookupFullName(QStringLiteral("欧阳明"), false, true);
    EXPECT_EQ(a.positions[Surname1].zi, QStringLiteral("欧"));
    EXPECT_EQ(a.positions[Surname2].zi, QStringLiteral("阳"));
    EXPECT_EQ(a.positions[Given1].zi, QStringLiteral("明"));
    EXPECT_TRUE(a.positions[Given2].zi.isEmpty());
    EXPECT_EQ(a.kangxiStrokes, QStringLiteral("15-17-8"));
    EXPECT_EQ(a.simplifiedStrokes, QStringLiteral("8-6-8"));
    EXPECT_EQ(a.elements, QStringLiteral("土-土-火"));
    EXPECT_EQ(a.pinyin, QStringLiteral("ōu-yáng-míng"));

    a = chars.lookupFullName(QStringLiteral("欧阳明"), true, false);
    EXPECT_EQ(a.positions[Given1].zi, QStringLiteral("阳"));
    EXPECT_EQ(a.positions[Given2].zi, QStringLiteral("明"));
    EXPECT_TRUE(a.positions[Surname2].zi.isEmpty());

    a = chars.lookupFullName(QStringLiteral("李乐"), true, true);
    EXPECT_EQ(a.elements, QStringLiteral("木-")); // 乐 has no element: its part is empty
    EXPECT_EQ(a.kangxiStrokes, QStringLiteral("7-5"));
}

TEST_F(CharacterTablesTest, KangxiCountIsEmptyForLoneLineBreaksAndMissingRows)
{
    EXPECT_EQ(chars.kangxiStrokesOf(QStringLiteral("明")), QStringLiteral("8"));
    EXPECT_EQ(chars.kangxiStrokesOf(QStringLiteral("涵")), QString());
    EXPECT_EQ(chars.kangxiStrokesOf(QStringLiteral("灏")), QString());
    EXPECT_EQ(chars.kangxiStrokesOf(QStringLiteral("小")), QString());
    EXPECT_EQ(chars.kangxiStrokesOf(QStringLiteral("乐")), QString());
    EXPECT_EQ(chars.kangxiStrokesOf(QString()), QString());
}

TEST_F(CharacterTablesTest, RandomCommonCharacters)
{
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(chars.randomCommonChar(QStringLiteral("nan")), QStringLiteral("明"));
    // 女常用字 holds only 乐, which has no 五行 row.
    EXPECT_EQ(chars.randomCommonChar(QStringLiteral("nv")), QString());
    EXPECT_EQ(chars.randomCommonChar(QStringLiteral("x")), QString());

    db.exec(QStringLiteral("delete from 男常用字"));
    CharacterTables fresh(db);
    EXPECT_EQ(fresh.randomCommonChar(QStringLiteral("nan")), QString());
}

TEST_F(CharacterTablesTest, RandomCharactersAreDrawnFromEveryRow)
{
    db.exec(QStringLiteral("insert into 男常用字 (字) values (?), (?), (?)"),
            {QStringLiteral("李"), QStringLiteral("王"), QStringLiteral("欧")});
    CharacterTables fresh(db);
    QSet<QString> seen;
    for (int i = 0; i < 400; ++i)
        seen.insert(fresh.randomCommonChar(QStringLiteral("nan")));
    EXPECT_EQ(seen, (QSet<QString>{QStringLiteral("明"), QStringLiteral("李"), QStringLiteral("王"), QStringLiteral("欧")}));
}

TEST_F(CharacterTablesTest, TablesLoadAgainForANewConnection)
{
    EXPECT_TRUE(chars.isAllInDictionary(QStringLiteral("李")));
    ASSERT_TRUE(db.close());
    // Loaded rows stay usable after the connection is gone.
    EXPECT_TRUE(chars.isAllInDictionary(QStringLiteral("李")));

    const QString other = dir.file(QStringLiteral("other.dll"));
    buildFixtureDatabase(other); // the foundation fixture: no 王
    ASSERT_EQ(db.open(other, data::kDatabasePassword), data::Database::OpenResult::Ok);
    EXPECT_FALSE(chars.isAllInDictionary(QStringLiteral("王")));
}
