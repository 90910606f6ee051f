// Building a database file from TSV tables, and upgrading one without losing the user's rows.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/EditableRowSet.h"
#include "data/RowSet.h"
#include "data/Schema.h"
#include "data/SharedDatabase.h"
#include "data/Tsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::test;

namespace {

// A copy of the fixture tables that a test may change.
QString copyFixtures(const WorkingDir &dir)
{
    const QString target = dir.file(QStringLiteral("tables"));
    QDir().mkpath(target);
    const QDir source(fixtureTablesDir());
    for (const QString &f : source.entryList(QDir::Files))
        QFile::copy(source.filePath(f), target + QLatin1Char('/') + f);
    return target;
}

QString dumpFavourites(data::Database &db)
{
    const data::RowSet rs = data::RowSet::load(db, QStringLiteral("select *  from 自选列表 order by ID"));
    QString out;
    for (int r = 0; r < rs.rowCount(); ++r)
        for (int c = 0; c < rs.columnCount(); ++c)
            out += rs.value(r, c) + QLatin1Char('|');
    return out;
}

} // namespace

TEST(Tsv, EscapesNullsAndCommentsRoundTrip)
{
    data::TsvTable t;
    QString error;
    ASSERT_TRUE(data::parseTsv("# comment\na\tb\n\\#x\t\\N\nline\\nbreak\\ttab\\\\\t\n", QStringLiteral("t.tsv"), &t, &error))
        << error.toStdString();
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][0].toString(), QStringLiteral("#x"));
    EXPECT_TRUE(t.rows[0][1].isNull());
    EXPECT_EQ(t.rows[1][0].toString(), QStringLiteral("line\nbreak\ttab\\"));
    EXPECT_FALSE(t.rows[1][1].isNull());
    EXPECT_EQ(t.lineNumbers[1], 4);
    for (const QVariant &v : {QVariant(QStringLiteral("#a\tb\\c\nd")), QVariant()}) {
        ASSERT_TRUE(data::parseTsv(("h\n" + data::escapeTsvField(v) + "\n").toUtf8(), QStringLiteral("r.tsv"), &t, &error));
        EXPECT_EQ(t.rows.at(0).at(0), v);
    }
}

TEST(Tsv, FaultsNameTheFileAndLine)
{
    data::TsvTable t;
    QString error;
    EXPECT_FALSE(data::parseTsv("a\tb\n1\n", QStringLiteral("x.tsv"), &t, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("x.tsv:2"))) << error.toStdString();
    EXPECT_FALSE(data::parseTsv("a\nbad\\q\n", QStringLiteral("y.tsv"), &t, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("y.tsv:2")));
    EXPECT_FALSE(data::parseTsv("# only a comment\n", QStringLiteral("z.tsv"), &t, &error));
}

TEST(Builder, BuildsEveryTableWithItsRowsAndLeavesTheFileDisguised)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    const data::BuildResult r = data::buildDatabase(path, {fixtureTablesDir()});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.rowsPerTable.size(), int(data::schemaTables().size()));
    EXPECT_EQ(r.rowsPerTable.value(QStringLiteral("字典")), 6);
    EXPECT_EQ(r.rowsPerTable.value(QStringLiteral("诗词")), 0);
    EXPECT_EQ(headerOf(path), disguisedHeaderBytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.dll")});

    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
    for (const data::TableDef &t : data::schemaTables())
        EXPECT_NO_THROW(data::RowSet::load(db, QStringLiteral("select * from ") + data::quoteIdentifier(t.name)))
            << t.name.toStdString();
    // 生男生女 is read by position: two columns before the twelve months.
    const data::RowSet boyGirl = data::RowSet::load(db, QStringLiteral("select * from 生男生女"));
    EXPECT_EQ(boyGirl.columnCount(), 14);
    EXPECT_EQ(boyGirl.columnNames().at(1), QStringLiteral("nn"));
    // 自选列表 numbers its rows itself.
    const data::RowSet fav = data::RowSet::load(db, QStringLiteral("select *  from 自选列表 order by ID"));
    EXPECT_EQ(fav.columnNames().first(), QStringLiteral("ID"));
}

TEST(Builder, NeverOverwritesAnExistingFile)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    writeFileBytes(path, "a user's file");
    const data::BuildResult r = data::buildDatabase(path, {fixtureTablesDir()});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readFileBytes(path), QByteArray("a user's file"));
}

struct BadSourceCase {
    const char *name;
    const char *file;
    const char *content;
    const char *messagePart;
};

void PrintTo(const BadSourceCase &c, std::ostream *os) { *os << c.name; }

class BadSource : public ::testing::TestWithParam<BadSourceCase> {};

TEST_P(BadSource, StopsTheBuildWithAClearMessageAndNoFile)
{
    WorkingDir dir;
    const QString tables = copyFixtures(dir);
    writeFileBytes(tables + QLatin1Char('/') + QString::fromUtf8(GetParam().file), GetParam().content);
    const QString path = dir.file(QStringLiteral("data.dll"));
    const data::BuildResult r = data::buildDatabase(path, {tables});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QString::fromUtf8(GetParam().messagePart))) << r.error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}); // no temporary file left
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSource,
    ::testing::Values(BadSourceCase{"UnknownTable", "没有.tsv", "a\n1\n", "没有.tsv"},
                      BadSourceCase{"UnknownColumn", "N81.tsv", "num\tcolour\n1\tred\n", "colour"},
                      BadSourceCase{"DuplicateKey", "五行.tsv", "zi\twuxing\tbihua\n明\t火\t8\n明\t火\t8\n", "五行.tsv:3"},
                      BadSourceCase{"ShortRow", "纳音.tsv", "jiazi\tnayin\n甲子\n", "纳音.tsv:2"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Builder, UpgradeReplacesReferenceDataAndKeepsProfileAndFavourites)
{
    WorkingDir dir;
    const QString tables = copyFixtures(dir);
    const QString path = dir.file(QStringLiteral("data.dll"));
    ASSERT_TRUE(data::buildDatabase(path, {tables}).ok);

    QString favouritesBefore;
    {
        data::Database db;
        ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
        auto fav = data::EditableRowSet::load(db, QStringLiteral("自选列表"), QStringLiteral("select *  from 自选列表 order by ID"));
        for (const QString &name : {QStringLiteral("李明"), QStringLiteral("O'Neil")}) {
            fav.append();
            fav.setField(QStringLiteral("名字"), name);
            fav.setField(QStringLiteral("danxing"), QStringLiteral("true"));
            fav.post();
        }
        db.exec(QStringLiteral("update 初始信息 set 姓氏 = ?"), {QStringLiteral("诸葛")});
        favouritesBefore = dumpFavourites(db);
    }
    ASSERT_EQ(data::checkDatabase(path, {tables}).status, data::DataStatus::Current);

    writeFileBytes(tables + QStringLiteral("/五行.tsv"), "zi\twuxing\tbihua\n李\t木\t7\n明\t火\t8\n乐\t火\t15\n");
    ASSERT_EQ(data::checkDatabase(path, {tables}).status, data::DataStatus::Outdated);
    const data::BuildResult r = data::upgradeDatabase(path, {tables});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(headerOf(path), disguisedHeaderBytes());
    EXPECT_EQ(data::checkDatabase(path, {tables}).status, data::DataStatus::Current);

    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
    EXPECT_EQ(dumpFavourites(db), favouritesBefore);
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 初始信息")).field(QStringLiteral("姓氏")), QStringLiteral("诸葛"));
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 五行")).rowCount(), 3);
    // New favourites still number after the old ones.
    auto fav = data::EditableRowSet::load(db, QStringLiteral("自选列表"), QStringLiteral("select *  from 自选列表 order by ID"));
    fav.append();
    fav.setField(QStringLiteral("名字"), QStringLiteral("李乐"));
    fav.post();
    EXPECT_GT(fav.value(2, QStringLiteral("ID")).toInt(), fav.value(1, QStringLiteral("ID")).toInt());
}

TEST(Builder, FailedUpgradeChangesNothing)
{
    WorkingDir dir;
    const QString tables = copyFixtures(dir);
    const QString path = dir.file(QStringLiteral("data.dll"));
    ASSERT_TRUE(data::buildDatabase(path, {tables}).ok);
    const QByteArray before = readFileBytes(path);
    writeFileBytes(tables + QStringLiteral("/N81.tsv"), "num\tjx\n1\t吉\n1\t凶\n");
    EXPECT_FALSE(data::upgradeDatabase(path, {tables}).ok);
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
}

TEST(Builder, ABuildLeavesOtherFilesBesideItsTargetAlone)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    // Another build of the same path, under way: its temporary file is not this build's to remove.
    const QStringList others{QStringLiteral("data.dll.building"), QStringLiteral("data.dll-journal.txt")};
    for (const QString &name : others)
        writeFileBytes(dir.file(name), "another build's work");
    ASSERT_TRUE(data::buildDatabase(path, {fixtureTablesDir()}).ok);
    for (const QString &name : others)
        EXPECT_EQ(readFileBytes(dir.file(name)), QByteArray("another build's work")) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), others.size() + 1);
}

TEST(Builder, OfTwoBuildsOfOnePathAtOnceOneWinsAndTheOtherSaysSo)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    data::BuildResult second;
    bool started = false;
    // The second build runs to its end while the first is half way through its tables.
    const data::BuildResult first = data::buildDatabase(path, {fixtureTablesDir()}, [&](const QString &) {
        if (!started) {
            started = true;
            second = data::buildDatabase(path, {fixtureTablesDir()});
        }
    });
    ASSERT_TRUE(second.ok) << second.error.toStdString();
    EXPECT_FALSE(first.ok);
    EXPECT_TRUE(first.error.contains(QStringLiteral("已存在"))) << first.error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.dll")});
    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典")).rowCount(), 6);
}

TEST(Builder, UpgradeRefusesSourcesThatWouldEmptyAReferenceTable)
{
    struct Case {
        const char *table;
        const char *content; // nullptr: the file is left out
    };
    for (const Case &c : {Case{"N81", nullptr}, Case{"N81", "num\tjx\n"}, Case{"字典", nullptr}}) {
        WorkingDir dir;
        const QString tables = copyFixtures(dir);
        const QString path = dir.file(QStringLiteral("data.dll"));
        ASSERT_TRUE(data::buildDatabase(path, {tables}).ok);
        const QByteArray before = readFileBytes(path);
        const QString table = QString::fromUtf8(c.table);
        const QString source = tables + QLatin1Char('/') + table + QStringLiteral(".tsv");
        if (c.content)
            writeFileBytes(source, c.content);
        else
            QFile::remove(source);

        const data::BuildResult r = data::upgradeDatabase(path, {tables});
        EXPECT_FALSE(r.ok) << c.table;
        EXPECT_TRUE(r.error.contains(table)) << r.error.toStdString();
        EXPECT_EQ(readFileBytes(path), before) << c.table;
    }
}

TEST(Builder, UpgradeOfNewerDataIsAskedFor)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    ASSERT_TRUE(data::buildDatabase(path, {fixtureTablesDir()}).ok);
    {
        data::Database db;
        ASSERT_EQ(db.open(path, data::kDatabasePassword), data::Database::OpenResult::Ok);
        db.exec(QStringLiteral("update qiming_meta set value = ? where key = ?"),
                {QStringLiteral("%1:abc").arg(data::compiledDataVersion() + 1), QStringLiteral("data_stamp")});
    }
    ASSERT_EQ(data::checkDatabase(path, {fixtureTablesDir()}).status, data::DataStatus::Newer);
    const QByteArray before = readFileBytes(path);

    const data::BuildResult refused = data::upgradeDatabase(path, {fixtureTablesDir()});
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.refusedNewerData);
    EXPECT_EQ(readFileBytes(path), before);

    const data::BuildResult forced =
        data::upgradeDatabase(path, {fixtureTablesDir()}, {}, data::UpgradeMode::EvenToOlderData);
    ASSERT_TRUE(forced.ok) << forced.error.toStdString();
    EXPECT_EQ(data::checkDatabase(path, {fixtureTablesDir()}).status, data::DataStatus::Current);
}

TEST(Builder, StatusTellsAbsentFromUnusable)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    EXPECT_EQ(data::checkDatabase(path, {fixtureTablesDir()}).status, data::DataStatus::Absent);
    writeFileBytes(path, "not a database at all");
    const data::StatusResult r = data::checkDatabase(path, {fixtureTablesDir()});
    EXPECT_EQ(r.status, data::DataStatus::Unusable);
    EXPECT_FALSE(r.error.isEmpty());
}

TEST(Builder, TheProjectsOwnTablesBuild)
{
    WorkingDir dir;
    const data::BuildResult r = data::buildDatabase(dir.file(QStringLiteral("data.dll")), data::defaultSourceDirs());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.rowsPerTable.value(QStringLiteral("N81")), 81);
    EXPECT_EQ(r.rowsPerTable.value(QStringLiteral("sc")), 125);
    EXPECT_EQ(r.rowsPerTable.value(QStringLiteral("初始信息")), 1);
}
