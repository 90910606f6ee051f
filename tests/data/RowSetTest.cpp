// Row sets: loading, positioning by value, reading by name or position, and writing
// the two user tables back.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseError.h"
#include "data/EditableRowSet.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::test;

class RowSetTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir); }

    data::EditableRowSet favourites()
    {
        return data::EditableRowSet::load(db, QStringLiteral("自选列表"), QStringLiteral("select *  from 自选列表 order by ID"));
    }

    void addFavourite(data::EditableRowSet &rs, const QString &name)
    {
        rs.append();
        rs.setField(QStringLiteral("名字"), name);
        rs.setField(QStringLiteral("danxing"), QStringLiteral("true"));
        rs.setField(QStringLiteral("danming"), QStringLiteral("false"));
        rs.setField(QStringLiteral("xingbie"), QStringLiteral("nan"));
        rs.post();
    }

    WorkingDir dir;
    data::Database db;
};

TEST_F(RowSetTest, JoinedViewIsPositionedByValueAndReadByNameOrPosition)
{
    data::RowSet view = data::RowSet::load(
        db, QStringLiteral("select 字典.zi,字典.bihua,字典.pinyin,字典.py,五行.wuxing,五行.bihua from 字典 left join 五行 on 字典.zi=五行.zi"));
    ASSERT_EQ(view.rowCount(), 6);
    ASSERT_TRUE(view.locate(QStringLiteral("zi"), QStringLiteral("明")));
    EXPECT_EQ(view.field(QStringLiteral("pinyin")), QStringLiteral("míng"));
    EXPECT_EQ(view.field(4), QStringLiteral("火"));
    EXPECT_EQ(view.field(5), QStringLiteral("8")); // the second bihua, by position

    // A character with no 五行 row: NULL columns. A missing key leaves the row where it was.
    ASSERT_TRUE(view.locate(QStringLiteral("zi"), QStringLiteral("乐")));
    EXPECT_TRUE(view.isNull(view.currentRow(), 4));
    const int row = view.currentRow();
    EXPECT_FALSE(view.locate(QStringLiteral("zi"), QStringLiteral("龘")));
    EXPECT_EQ(view.currentRow(), row);
}

TEST_F(RowSetTest, QuotesBackslashesAndPercentSignsAreJustValues)
{
    for (const QString &key : {QStringLiteral("'"), QStringLiteral("\\"), QStringLiteral("%")}) {
        const data::RowSet rs = data::RowSet::load(db, QStringLiteral("select * from 字典 where zi =?"), {key});
        ASSERT_EQ(rs.rowCount(), 1) << key.toStdString();
        EXPECT_EQ(rs.field(QStringLiteral("zi")), key);
    }
    // A percent sign is not a wildcard and a quote in a saved name round-trips.
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典 where zi =?"), {QStringLiteral("%明")}).rowCount(), 0);
    data::EditableRowSet fav = favourites();
    addFavourite(fav, QStringLiteral("O'Neil\\%"));
    EXPECT_EQ(favourites().value(0, QStringLiteral("名字")), QStringLiteral("O'Neil\\%"));
}

TEST_F(RowSetTest, TextKeysIgnoreAsciiCase)
{
    const data::RowSet rs = data::RowSet::load(
        db, QStringLiteral("select 英文名 from 英文名 where 字母=? and 性别=?"), {QStringLiteral("a"), QStringLiteral("女")});
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.field(0), QStringLiteral("Anna"));
}

TEST_F(RowSetTest, FavouritesAreInsertedInOrderWithIncreasingIdsAndDeletedOneAtATime)
{
    data::EditableRowSet fav = favourites();
    EXPECT_EQ(fav.rowCount(), 0);
    addFavourite(fav, QStringLiteral("李明"));
    addFavourite(fav, QStringLiteral("李明"));
    addFavourite(fav, QStringLiteral("李乐"));
    ASSERT_EQ(fav.rowCount(), 3);
    EXPECT_LT(fav.value(0, QStringLiteral("ID")).toInt(), fav.value(1, QStringLiteral("ID")).toInt());

    data::EditableRowSet reloaded = favourites();
    ASSERT_EQ(reloaded.rowCount(), 3);
    EXPECT_EQ(reloaded.value(2, QStringLiteral("名字")), QStringLiteral("李乐"));

    // Deleting the second of two identical names removes exactly one row.
    reloaded.setCurrentRow(1);
    reloaded.deleteCurrent();
    const data::EditableRowSet after = favourites();
    ASSERT_EQ(after.rowCount(), 2);
    EXPECT_EQ(after.value(0, QStringLiteral("名字")), QStringLiteral("李明"));
    EXPECT_EQ(after.value(1, QStringLiteral("名字")), QStringLiteral("李乐"));
}

TEST_F(RowSetTest, ProfileRowIsEditedInPlaceAndAnEmptyTableGetsItsFirstRow)
{
    data::EditableRowSet profile = data::EditableRowSet::load(db, QStringLiteral("初始信息"), QStringLiteral("select * from 初始信息"));
    ASSERT_EQ(profile.rowCount(), 1);
    profile.edit();
    profile.setField(QStringLiteral("姓氏"), QStringLiteral("欧阳"));
    profile.setField(QStringLiteral("年"), QStringLiteral("2016"));
    profile.post();
    data::RowSet stored = data::RowSet::load(db, QStringLiteral("select * from 初始信息"));
    ASSERT_EQ(stored.rowCount(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("姓氏")), QStringLiteral("欧阳"));
    EXPECT_EQ(stored.field(QStringLiteral("年")), QStringLiteral("2016"));
    EXPECT_EQ(stored.field(QStringLiteral("性别")), QStringLiteral("nan"));

    db.exec(QStringLiteral("delete from 初始信息"));
    data::EditableRowSet empty = data::EditableRowSet::load(db, QStringLiteral("初始信息"), QStringLiteral("select * from 初始信息"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.currentRow(), -1);
    EXPECT_EQ(empty.field(QStringLiteral("姓氏")), QString());
    EXPECT_THROW(empty.edit(), data::DatabaseError);
    empty.append();
    empty.setField(QStringLiteral("姓氏"), QStringLiteral("王"));
    empty.post();
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 初始信息")).field(QStringLiteral("姓氏")), QStringLiteral("王"));
}

TEST_F(RowSetTest, EngineErrorsAreReportedNotSwallowed)
{
    EXPECT_THROW(data::RowSet::load(db, QStringLiteral("select * from 没有这个表")), data::DatabaseError);
    EXPECT_THROW(data::RowSet::load(db, QStringLiteral("select * from 字典 where zi = ?")), data::DatabaseError);
    data::Database closed;
    EXPECT_THROW(data::RowSet::load(closed, QStringLiteral("select 1")), data::DatabaseError);
}
