// qiming-cli db: exit codes and messages as a shell script sees them.
#include "TestSupport.h"

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
