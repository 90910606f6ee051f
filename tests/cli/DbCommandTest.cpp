// qiming-cli db: exit codes and messages as a shell script sees them.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace qiming::test;

TEST(DbCommand, BuildStatusUpgradeInTheWorkingDirectory)
{
    WorkingDir dir;
    const QStringList sources{QStringLiteral("--sources"), fixtureTablesDir()};
    EXPECT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("status")} + sources, dir.path()).exitCode, 3);

    const CliResult built = runCli(QStringList{QStringLiteral("db"), QStringLiteral("build")} + sources, dir.path());
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("data.dll"))));
    EXPECT_EQ(headerOf(dir.file(QStringLiteral("data.dll"))), disguisedHeaderBytes());

    EXPECT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("status")} + sources, dir.path()).exitCode, 0);
    const CliResult again = runCli(QStringList{QStringLiteral("db"), QStringLiteral("build")} + sources, dir.path());
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("db upgrade")));
    EXPECT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("upgrade")} + sources, dir.path()).exitCode, 0);
}

TEST(DbCommand, HeldFileIsReportedAndLeftAlone)
{
    WorkingDir dir;
    const QString path = dir.file(QStringLiteral("data.dll"));
    buildFixtureDatabase(path);
    DatabaseHolder holder(path);
    ASSERT_TRUE(holder.holds());
    const QByteArray before = readFileBytes(path);
    const CliResult r = runCli({QStringLiteral("db"), QStringLiteral("upgrade"), path, QStringLiteral("--sources"), fixtureTablesDir()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.trimmed().isEmpty());
    EXPECT_EQ(readFileBytes(path), before);
}

TEST(DbCommand, BadInputExitsTwoWithOneLine)
{
    for (const QStringList &args : {QStringList{}, QStringList{QStringLiteral("nonsense")},
                                    QStringList{QStringLiteral("db")}, QStringList{QStringLiteral("db"), QStringLiteral("frobnicate")},
                                    QStringList{QStringLiteral("db"), QStringLiteral("build"), QStringLiteral("--bogus")}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
    }
    const CliResult help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("用法")) && help.out.contains(QStringLiteral("Usage")));
    // A subcommand's own help names it on the usage line.
    for (const QString &command : {QStringLiteral("db"), QStringLiteral("score"), QStringLiteral("lunar")}) {
        const CliResult sub = runCli({command, QStringLiteral("--help")});
        EXPECT_EQ(sub.exitCode, 0);
        EXPECT_TRUE(sub.out.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral("qiming-cli ") + command + QStringLiteral(" [options]")))
            << sub.out.toStdString();
    }
}

TEST(DbCommand, UserTextIsPrintedAsTyped)
{
    WorkingDir dir;
    const QString name = QStringLiteral("q%3 %1.dll");
    const CliResult built = runCli({QStringLiteral("db"), QStringLiteral("build"), name, QStringLiteral("--sources"), fixtureTablesDir()},
                                   dir.path());
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.file(name)));
    EXPECT_TRUE(built.out.contains(name + QStringLiteral(": "))) << built.out.toStdString();
}

TEST(DbCommand, AnErrorIsOneLine)
{
    WorkingDir dir;
    QDir().mkdir(dir.file(QStringLiteral("tables")));
    for (const QString &f : QDir(fixtureTablesDir()).entryList(QDir::Files))
        QFile::copy(fixtureTablesDir() + QLatin1Char('/') + f, dir.file(QStringLiteral("tables/")) + f);
    const QStringList sources{QStringLiteral("--sources"), dir.file(QStringLiteral("tables"))};
    ASSERT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("build")} + sources, dir.path()).exitCode, 0);
    // A key twice: the engine refuses the row.
    writeFileBytes(dir.file(QStringLiteral("tables/N81.tsv")), "num\tjx\n1\t吉\n1\t凶\n");
    const CliResult r = runCli(QStringList{QStringLiteral("db"), QStringLiteral("upgrade")} + sources, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("N81.tsv:3"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("insert into"))) << r.err.toStdString();

    // Line breaks typed into an argument do not break the message either.
    for (const QStringList &args : {QStringList{QStringLiteral("lunar"), QStringLiteral("2024\n02-10")},
                                    QStringList{QStringLiteral("chart"), QStringLiteral("2024-02-10"), QStringLiteral("1\n2")},
                                    QStringList{QStringLiteral("db"), QStringLiteral("make\nit")},
                                    QStringList{QStringLiteral("no\nsuch")}}) {
        const CliResult bad = runCli(args, dir.path());
        EXPECT_EQ(bad.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(bad.err.count(QLatin1Char('\n')), 1) << bad.err.toStdString();
    }
}

TEST(DbCommand, UpgradeRefusesIncompleteSourcesAndAsksForForceOverNewerData)
{
    WorkingDir dir;
    QDir().mkdir(dir.file(QStringLiteral("tables")));
    for (const QString &f : QDir(fixtureTablesDir()).entryList(QDir::Files))
        QFile::copy(fixtureTablesDir() + QLatin1Char('/') + f, dir.file(QStringLiteral("tables/")) + f);
    const QStringList sources{QStringLiteral("--sources"), dir.file(QStringLiteral("tables"))};
    ASSERT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("build")} + sources, dir.path()).exitCode, 0);
    const QString path = dir.file(QStringLiteral("data.dll"));

    QFile::remove(dir.file(QStringLiteral("tables/字典.tsv")));
    const QByteArray before = readFileBytes(path);
    const CliResult incomplete = runCli(QStringList{QStringLiteral("db"), QStringLiteral("upgrade")} + sources, dir.path());
    EXPECT_EQ(incomplete.exitCode, 1);
    EXPECT_TRUE(incomplete.err.contains(QStringLiteral("字典"))) << incomplete.err.toStdString();
    EXPECT_EQ(readFileBytes(path), before);
    QFile::copy(fixtureTablesDir() + QStringLiteral("/字典.tsv"), dir.file(QStringLiteral("tables/字典.tsv")));

    {
        qiming::data::Database db;
        ASSERT_EQ(db.open(path, qiming::data::kDatabasePassword), qiming::data::Database::OpenResult::Ok);
        db.exec(QStringLiteral("update qiming_meta set value = ? where key = ?"),
                {QStringLiteral("%1:abc").arg(qiming::data::compiledDataVersion() + 1), QStringLiteral("data_stamp")});
    }
    const CliResult newer = runCli(QStringList{QStringLiteral("db"), QStringLiteral("upgrade")} + sources, dir.path());
    EXPECT_EQ(newer.exitCode, 1);
    EXPECT_TRUE(newer.err.contains(QStringLiteral("--force"))) << newer.err.toStdString();
    const CliResult forced = runCli(QStringList{QStringLiteral("db"), QStringLiteral("upgrade"), QStringLiteral("--force")} + sources,
                                    dir.path());
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(runCli(QStringList{QStringLiteral("db"), QStringLiteral("status")} + sources, dir.path()).exitCode, 0);
}
