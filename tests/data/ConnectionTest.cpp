// Opening the database file: every state it can be found in, and what each leaves behind.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace qiming;
using namespace qiming::test;
using OpenResult = data::Database::OpenResult;

TEST(Connection, OpenRestoresTheHeaderAndCloseDisguisesItWithoutTouchingTheRest)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);
    const QByteArray atRest = readFileBytes(path);
    EXPECT_EQ(atRest.left(16), disguisedHeaderBytes());

    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), OpenResult::Ok);
    EXPECT_EQ(headerOf(path), jetSignatureBytes());
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典")).rowCount(), 6);
    ASSERT_TRUE(db.close());

    const QByteArray after = readFileBytes(path);
    EXPECT_EQ(after.left(16), disguisedHeaderBytes());
    EXPECT_EQ(after.size(), atRest.size());
    EXPECT_EQ(after.mid(16), atRest.mid(16));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
}

struct BadFileCase {
    const char *name;
    std::function<void(const QString &path)> prepare;
    OpenResult expected;
};

void PrintTo(const BadFileCase &c, std::ostream *os) { *os << c.name; }

class BadDatabaseFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadDatabaseFile, IsRefusedAndLeftByteForByteAsItWas)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    GetParam().prepare(path);
    const bool existed = QFile::exists(path);
    const QByteArray before = readFileBytes(path);

    data::Database db;
    QString error;
    EXPECT_EQ(db.open(path, data::kDatabasePassword, &error), GetParam().expected);
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QFile::exists(path), existed);
    EXPECT_EQ(readFileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDatabaseFile,
    ::testing::Values(
        BadFileCase{"Missing", [](const QString &) {}, OpenResult::Missing},
        BadFileCase{"ReadOnly",
                    [](const QString &p) {
                        buildFixtureDatabase(p);
                        QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup);
                    },
                    OpenResult::ReadOnly},
        BadFileCase{"StrayFile",
                    [](const QString &p) { writeFileBytes(p, QByteArray("MZ this is some other program's library")); },
                    OpenResult::NotADatabase},
        BadFileCase{"EmptyFile", [](const QString &p) { writeFileBytes(p, QByteArray()); }, OpenResult::NotADatabase},
        BadFileCase{"DisguisedGarbage",
                    [](const QString &p) { writeFileBytes(p, disguisedHeaderBytes() + QByteArray(8192, 'x')); },
                    OpenResult::NotADatabase},
        BadFileCase{"JetFileThatIsNotOurs",
                    [](const QString &p) { writeFileBytes(p, jetSignatureBytes() + QByteArray(" DB\0", 4) + QByteArray(4096, '\1')); },
                    OpenResult::NotADatabase},
        BadFileCase{"WrongPassword",
                    [](const QString &p) {
                        data::Database db;
                        ASSERT_EQ(db.create(p, QStringLiteral("not-the-password")), OpenResult::Ok);
                        ASSERT_TRUE(db.close());
                    },
                    OpenResult::WrongPassword}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Connection, SecondProcessIsRefusedAndTheFirstKeepsWorking)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);
    {
        DatabaseHolder first(path);
        ASSERT_TRUE(first.holds());
        const QByteArray whileHeld = readFileBytes(path);
        EXPECT_EQ(whileHeld.left(16), jetSignatureBytes());

        data::Database second;
        QString error;
        EXPECT_EQ(second.open(path, data::kDatabasePassword, &error), OpenResult::Locked);
        EXPECT_EQ(readFileBytes(path), whileHeld);
    }
    // The first process closed normally: disguised again, and still a good database.
    EXPECT_EQ(headerOf(path), disguisedHeaderBytes());
    data::Database again;
    ASSERT_EQ(again.open(path, data::kDatabasePassword), OpenResult::Ok);
    EXPECT_EQ(data::RowSet::load(again, QStringLiteral("select * from 初始信息")).rowCount(), 1);
}

TEST(Connection, FileLeftRestoredByAKilledProcessOpensNormally)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);

    QProcess holder;
    holder.start(QStringLiteral(QIMING_DB_HOLDER), {path});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_TRUE(holder.readLine().startsWith("ready"));
    holder.kill();
    holder.waitForFinished();
    EXPECT_EQ(headerOf(path), jetSignatureBytes());

    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), OpenResult::Ok);
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典")).rowCount(), 6);
    ASSERT_TRUE(db.close());
    EXPECT_EQ(headerOf(path), disguisedHeaderBytes());
}

TEST(Connection, SharedConnectionOpensDataDllInTheWorkingDirectory)
{
    WorkingDir dir;
    QString error;
    EXPECT_FALSE(data::openDatabase(&error));
    data::closeDatabase(); // nothing to close: must not create or touch anything
    EXPECT_FALSE(QFile::exists(dir.file(data::kDatabaseFileName)));

    buildFixtureDatabase(dir.file(data::kDatabaseFileName));
    ASSERT_TRUE(data::openDatabase(&error)) << error.toStdString();
    EXPECT_EQ(headerOf(dir.file(data::kDatabaseFileName)), jetSignatureBytes());
    data::closeDatabase();
    EXPECT_EQ(headerOf(dir.file(data::kDatabaseFileName)), disguisedHeaderBytes());
}

TEST(Connection, ANameStartingWithFileIsAPlainPath)
{
    WorkingDir dir;
    const QString name = QStringLiteral("file:q.dll");
    buildFixtureDatabase(name);
    data::Database db;
    QString error;
    ASSERT_EQ(db.open(name, data::kDatabasePassword, &error), OpenResult::Ok) << error.toStdString();
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 字典")).rowCount(), 6);
    db.exec(QStringLiteral("update 初始信息 set 姓氏 = ?"), {QStringLiteral("欧阳")});
    ASSERT_TRUE(db.close());
    // Everything went to the one file the lock and the header were on.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    EXPECT_EQ(headerOf(dir.file(name)), disguisedHeaderBytes());
    ASSERT_EQ(db.open(name, data::kDatabasePassword), OpenResult::Ok);
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 初始信息")).field(QStringLiteral("姓氏")), QStringLiteral("欧阳"));
}

TEST(Connection, AFolderNobodyMayWriteToMakesTheFileReadOnly)
{
    WorkingDir dir;
    const QString folder = dir.file(QStringLiteral("program"));
    QDir().mkdir(folder);
    const QString path = folder + QStringLiteral("/data.dll");
    buildFixtureDatabase(path);
    const QByteArray before = readFileBytes(path);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);

    data::Database db;
    QString error;
    EXPECT_EQ(db.open(path, data::kDatabasePassword, &error), OpenResult::ReadOnly);
    EXPECT_TRUE(error.contains(QStringLiteral("只读"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("SQL"), Qt::CaseInsensitive));
    EXPECT_EQ(readFileBytes(path), before);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Connection, AtRestTheFileStandsAlone)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    const QString journal = path + QStringLiteral("-journal");
    buildFixtureDatabase(path);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("data.dll")});

    data::Database db;
    ASSERT_EQ(db.open(path, data::kDatabasePassword), OpenResult::Ok);
    db.exec(QStringLiteral("update 初始信息 set 姓氏 = ?"), {QStringLiteral("王")});
    ASSERT_TRUE(db.close());
    EXPECT_FALSE(QFile::exists(journal));

    // A journal that holds nothing to roll back, as a connection that ended without
    // removing it leaves: gone at the next start, and the data as saved.
    writeFileBytes(journal, QByteArray(512, '\0'));
    ASSERT_EQ(db.open(path, data::kDatabasePassword), OpenResult::Ok);
    EXPECT_FALSE(QFile::exists(journal));
    EXPECT_EQ(data::RowSet::load(db, QStringLiteral("select * from 初始信息")).field(QStringLiteral("姓氏")), QStringLiteral("王"));
    ASSERT_TRUE(db.close());
    EXPECT_FALSE(QFile::exists(journal));
}

TEST(Connection, TheOpenFileAndItsJournalAreKnownByAnyName)
{
    WorkingDir dir;
    QDir().mkdir(dir.file(QStringLiteral("sub")));
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);
    writeFileBytes(dir.file(QStringLiteral("other.txt")), "x");
    ASSERT_TRUE(QFile::link(path, dir.file(QStringLiteral("sub/shortcut.txt"))));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(dir.file(QStringLiteral("hard.txt"))).constData()), 0);
    ASSERT_TRUE(QFile::link(dir.path(), dir.file(QStringLiteral("sub/up"))));

    data::Database db;
    EXPECT_FALSE(db.isOwnFile(path)); // nothing open
    ASSERT_EQ(db.open(QStringLiteral("data.dll"), data::kDatabasePassword), OpenResult::Ok);
    for (const QString &own : {path, QStringLiteral("data.dll"), QStringLiteral("./sub/../data.dll"),
                               dir.file(QStringLiteral("sub/shortcut.txt")), dir.file(QStringLiteral("hard.txt")),
                               dir.file(QStringLiteral("sub/up/data.dll")), QStringLiteral("data.dll-journal"),
                               dir.file(QStringLiteral("sub/up/data.dll-journal"))})
        EXPECT_TRUE(db.isOwnFile(own)) << own.toStdString();
    for (const QString &other : {dir.file(QStringLiteral("other.txt")), dir.file(QStringLiteral("data.dll.txt")),
                                 dir.file(QStringLiteral("sub/data.dll")), dir.file(QStringLiteral("sub/data.dll-journal"))})
        EXPECT_FALSE(db.isOwnFile(other)) << other.toStdString();
}
