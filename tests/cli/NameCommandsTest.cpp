// qiming-cli score | report | char on small tables.
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace qiming::test;

class NameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { buildFixtureDatabase(dir.file(QStringLiteral("data.dll")), numerologyFixtureDir()); }
    CliResult cli(const QStringList &args) { return runCli(args, dir.path()); }
    WorkingDir dir;
};

TEST_F(NameCommandsTest, ScorePrintsTheCandidateRow)
{
    CliResult r = cli({QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("小明")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList fields = r.out.trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields.at(0), QStringLiteral("王小明"));
    EXPECT_EQ(fields.at(1), QStringLiteral("wáng-xiǎo-míng"));
    EXPECT_EQ(fields.at(3), QStringLiteral("4-3-8"));
    EXPECT_EQ(fields.at(5), QStringLiteral("5-7-11-9-15"));

    r = cli({QStringLiteral("score"), QStringLiteral("欧阳"), QStringLiteral("明"), QStringLiteral("--gender"), QStringLiteral("nv")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("欧阳明\tōu-yáng-míng\t土-土-火\t8-6-8\t15-17-8\t32-25-9-16-40\t")));
    // The file is disguised again afterwards.
    EXPECT_EQ(headerOf(dir.file(QStringLiteral("data.dll"))), disguisedHeaderBytes());
}

TEST_F(NameCommandsTest, ReportAndCharUseTheSameDatabase)
{
    const CliResult report = cli({QStringLiteral("report"), QStringLiteral("王"), QStringLiteral("小明")});
    ASSERT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out.contains(QStringLiteral("charset=utf-8")));
    EXPECT_TRUE(report.out.contains(QStringLiteral("天格-&gt; 5(土)")));

    const CliResult ch = runCli({QStringLiteral("char"), QStringLiteral("乐"), QStringLiteral("--db"), dir.file(QStringLiteral("data.dll"))});
    ASSERT_EQ(ch.exitCode, 0);
    EXPECT_TRUE(ch.out.contains(QStringLiteral("zi\t乐\n")));
    EXPECT_TRUE(ch.out.contains(QStringLiteral("element\t\n")));
    EXPECT_TRUE(ch.out.contains(QStringLiteral("kangxiStrokes\t5\n")));
}

TEST_F(NameCommandsTest, BadInputExitsTwoAndAMissingDatabaseOne)
{
    const QList<QStringList> bad = {
        {QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("a'")},
        {QStringLiteral("score"), QStringLiteral("王"), QString()},
        {QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("小明明")},
        {QStringLiteral("score"), QStringLiteral("王")},
        {QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("明"), QStringLiteral("--gender"), QStringLiteral("男")},
        {QStringLiteral("report"), QStringLiteral("王"), QStringLiteral("%")},
        {QStringLiteral("char"), QStringLiteral("明明")},
        {QStringLiteral("char"), QStringLiteral("龘")},
    };
    for (const QStringList &args : bad) {
        const CliResult r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.err.trimmed().count(QLatin1Char('\n')), 0) << r.err.toStdString();
    }
    const CliResult missing = runCli({QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("明"), QStringLiteral("--db"),
                                      dir.file(QStringLiteral("none.dll"))});
    EXPECT_EQ(missing.exitCode, 1);
}

TEST(SourceCommand, PrintsOneVerseALineAndRefusesLongNames)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(QStringLiteral("data.dll")), QStringLiteral(QIMING_TEST_FIXTURES "/poetry"));
    CliResult r = runCli({QStringLiteral("source"), QStringLiteral("明华")}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("唐\t乙\t明华之二\t明华满天地。\n唐\t甲\t明华之一\t明月照高楼，华灯映长街。\n"));
    r = runCli({QStringLiteral("source"), QStringLiteral("龙")}, dir.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_EQ(runCli({QStringLiteral("source"), QStringLiteral("明华月")}, dir.path()).exitCode, 2);
}
