// qiming-cli score | report | check | char on small tables.
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

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

TEST_F(NameCommandsTest, CheckPrintsOneLinePerFinding)
{
    CliResult r = cli({QStringLiteral("check"), QStringLiteral("李"), QStringLiteral("涵涵")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QStringList first = lines.first().split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first.at(0), QStringLiteral("强"));
    EXPECT_EQ(first.at(1), QStringLiteral("谐音"));
    EXPECT_TRUE(first.at(2).contains(QStringLiteral("憨憨")));
    for (const QString &line : lines)
        EXPECT_EQ(line.count(QLatin1Char('\t')), 2) << line.toStdString();

    r = cli({QStringLiteral("check"), QStringLiteral("王"), QStringLiteral("小明")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.out.contains(QStringLiteral("强")));
    // The surname's own reading, in the score line as in the check.
    r = cli({QStringLiteral("score"), QStringLiteral("乐"), QStringLiteral("明")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("乐明\tyuè-míng\t")));
    r = cli({QStringLiteral("check"), QStringLiteral("王"), QStringLiteral("A")});
    EXPECT_EQ(r.exitCode, 2);
    r = cli({QStringLiteral("check"), QStringLiteral("王")});
    EXPECT_EQ(r.exitCode, 2);
}

// Sets an environment variable for the programs started while it lives.
class ScopedEnv final {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_previous;
};

TEST(DefaultDatabase, WithoutOneInTheWorkingDirectoryTheUsersDataFolderIsRead)
{
    // Where run.sh keeps it: ${XDG_DATA_HOME:-~/.local/share}/qiming/data.dll.
    struct Case {
        const char *what;
        bool viaXdg;
    };
    for (const Case &c : {Case{"XDG_DATA_HOME", true}, Case{"empty XDG_DATA_HOME, HOME", false}}) {
        QTemporaryDir home;
        const QString dataHome = c.viaXdg ? home.path() : home.filePath(QStringLiteral(".local/share"));
        ASSERT_TRUE(QDir().mkpath(dataHome + QStringLiteral("/qiming")));
        buildFixtureDatabase(dataHome + QStringLiteral("/qiming/data.dll"), numerologyFixtureDir());
        ScopedEnv xdg("XDG_DATA_HOME", c.viaXdg ? home.path().toLocal8Bit() : QByteArray());
        ScopedEnv homeEnv("HOME", c.viaXdg ? QByteArray("/nonexistent") : home.path().toLocal8Bit());

        QTemporaryDir elsewhere;
        const CliResult r = runCli({QStringLiteral("score"), QStringLiteral("王"), QStringLiteral("小明")}, elsewhere.path());
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("王小明\t"))) << c.what;

        // One in the working directory comes first, usable or not; --db before both.
        writeFileBytes(elsewhere.filePath(QStringLiteral("data.dll")), QByteArray("not a database"));
        EXPECT_EQ(runCli({QStringLiteral("char"), QStringLiteral("明")}, elsewhere.path()).exitCode, 1) << c.what;
        const CliResult db = runCli({QStringLiteral("char"), QStringLiteral("明"), QStringLiteral("--db"),
                                     dataHome + QStringLiteral("/qiming/data.dll")},
                                    elsewhere.path());
        EXPECT_EQ(db.exitCode, 0) << c.what << ": " << db.err.toStdString();
    }
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

TEST_F(NameCommandsTest, ReportWithABirthTimeMeasuresTheNameAgainstTheChart)
{
    WorkingDir chartDir;
    buildFixtureDatabase(chartDir.file(QStringLiteral("data.dll")), QStringList{numerologyFixtureDir(), birthChartFixtureDir()});
    const auto report = [&](const QStringList &extra) {
        return runCli(QStringList{QStringLiteral("report"), QStringLiteral("王"), QStringLiteral("小明")} + extra, chartDir.path());
    };
    const CliResult plain = report({});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_FALSE(plain.out.contains(QStringLiteral("八字与名字")));
    // 2024-02-10 12:00 lacks 水; with the fixture's rows 甲 is weak and wants 水 and 木.
    const CliResult chart = report({QStringLiteral("--birth"), QStringLiteral("2024-02-10 12:00")});
    ASSERT_EQ(chart.exitCode, 0) << chart.err.toStdString();
    EXPECT_TRUE(chart.out.contains(QStringLiteral("八字缺水，喜水木（八字偏弱，以日主强弱推定所喜）"))) << chart.out.toStdString();
    EXPECT_TRUE(chart.out.contains(QStringLiteral("甲辰 丙寅 甲辰 庚午")));
    for (const char *bad : {"2024-02-30 12", "2024-02-10", "tomorrow 8"}) {
        const CliResult r = report({QStringLiteral("--birth"), QString::fromUtf8(bad)});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.out.isEmpty()) << bad;
    }
}


TEST(DictionaryCommands, CharPrintsTheChineseEntryAndSurnamePrintsAnOriginAsPlainText)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(QStringLiteral("data.dll")),
                         QStringList{numerologyFixtureDir(), QStringLiteral(QIMING_TEST_FIXTURES "/dictionary")});
    const auto cli = [&](const QStringList &args) { return runCli(args, dir.path()); };

    CliResult r = cli({QStringLiteral("char"), QStringLiteral("明")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("字义\tmíng：明亮；清楚。\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("寓意\t寓意光明磊落、聪慧通达。\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("出处\t《礼记·大学》：“大学之道，在明明德。”\n")));
    // A character without a written entry keeps its attributes alone.
    r = cli({QStringLiteral("char"), QStringLiteral("乐")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.out.contains(QStringLiteral("寓意")));

    r = cli({QStringLiteral("surname"), QStringLiteral("欧阳")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("欧阳姓\n读音\nōu yáng\n起源\n出自姒姓，越王无疆之后。\n"));

    const struct {
        const char *input;
        const char *message;
    } refused[] = {{"王", "对不起，暂时没有您要查找的姓氏信息"}, {"a'", "您的输入有误！"}, {"欧阳明", "您的输入有误！"}};
    for (const auto &c : refused) {
        r = cli({QStringLiteral("surname"), QString::fromUtf8(c.input)});
        EXPECT_EQ(r.exitCode, 2) << c.input;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << c.input << ": " << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << c.input;
        EXPECT_TRUE(r.out.isEmpty());
    }

    // The report says what each given-name character brings.
    r = cli({QStringLiteral("report"), QStringLiteral("王"), QStringLiteral("明")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("<b>字义</b>")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("寓意光明磊落、聪慧通达。")));
}
