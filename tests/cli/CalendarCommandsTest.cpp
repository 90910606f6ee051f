// qiming-cli chart | lunar: one date from the arguments, or one a line from standard input.
#include "TestSupport.h"

#include "data/DatabaseBuilder.h"

#include <gtest/gtest.h>

using namespace qiming::test;

TEST(CalendarCommands, ChartPrintsOneLabelledLineEach)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(QStringLiteral("data.dll")), qiming::data::defaultSourceDirs().first());
    const CliResult r = runCli({QStringLiteral("chart"), QStringLiteral("2024-02-10"), QStringLiteral("12")}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("八字四柱\t甲辰 丙寅 甲辰 庚午\n"
                                    "八字五行\t木土 火木 木土 金火\n"
                                    "纳音\t覆灯火 炉中火 覆灯火 路旁土\n"
                                    "生日(农历)\t甲辰年一月初一日午时\n"
                                    "星期\t星期六\n"
                                    "星座\t水瓶座\n"
                                    "生肖\t龙\n"
                                    "五行\t五行缺 水\n"
                                    "喜用神得分\t金0.7 木6.4 水0.2 火3 土0.8\n"
                                    "喜用神\t八字偏强，八字喜[金土]\n"));

    // The minutes count at a 节: 立春 2024 is at 16:27.
    const CliResult before = runCli({QStringLiteral("chart"), QStringLiteral("2024-02-04"), QStringLiteral("16:20"),
                                     QStringLiteral("--db"), dir.file(QStringLiteral("data.dll"))});
    ASSERT_EQ(before.exitCode, 0) << before.err.toStdString();
    EXPECT_TRUE(before.out.startsWith(QStringLiteral("八字四柱\t癸卯 乙丑 戊戌 庚申\n"))) << before.out.toStdString();
    EXPECT_TRUE(before.out.contains(QStringLiteral("生日(农历)\t癸卯年十二月廿五日申时\n")));
    EXPECT_TRUE(before.out.contains(QStringLiteral("生肖\t兔\n")));
}

TEST(CalendarCommands, LunarPrintsOneLine)
{
    const CliResult r = runCli({QStringLiteral("lunar"), QStringLiteral("2023-04-19")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("2023-04-19\t2023\t-2\t29\t廿九\n"));
}

TEST(CalendarCommands, BadArgumentsExitTwoAndAMissingDatabaseOne)
{
    WorkingDir dir;
    const QList<QStringList> bad = {
        {QStringLiteral("lunar"), QStringLiteral("2023-02-29")},
        {QStringLiteral("lunar"), QStringLiteral("2101-01-01")},
        {QStringLiteral("lunar"), QStringLiteral("1899-12-31")},
        {QStringLiteral("lunar"), QStringLiteral("20240210")},
        {QStringLiteral("lunar")},
        {QStringLiteral("chart"), QStringLiteral("2024-02-10")},
        {QStringLiteral("chart"), QStringLiteral("2024-02-10"), QStringLiteral("24")},
        {QStringLiteral("chart"), QStringLiteral("2024-02-10"), QStringLiteral("12:60")},
        {QStringLiteral("chart"), QStringLiteral("2024-02-30"), QStringLiteral("12")},
    };
    for (const QStringList &args : bad) {
        const CliResult r = runCli(args, dir.path());
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_EQ(r.err.trimmed().count(QLatin1Char('\n')), 0) << r.err.toStdString();
    }
    const CliResult missing = runCli({QStringLiteral("chart"), QStringLiteral("2024-02-10"), QStringLiteral("12")}, dir.path());
    EXPECT_EQ(missing.exitCode, 1);
}

TEST(CalendarCommands, StdinGivesOneLinePerInputAndGoesOnPastBadOnes)
{
    WorkingDir dir; // no database: the stream needs none
    const CliResult chart = runCli({QStringLiteral("chart"), QStringLiteral("-")}, dir.path(),
                                   "2024-02-09 23\n2024-02-30 1\n\n2024-02-04 10:00\nnonsense\n2100-12-31 23:59\n");
    EXPECT_EQ(chart.exitCode, 2);
    const QStringList lines = chart.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7) << chart.out.toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("2024-02-09 23:00\t甲辰 丙寅 甲辰 甲子\t甲辰年一月初一日子时"));
    EXPECT_EQ(lines.at(1), QStringLiteral("error\t您输入的时间不存在，请检查: 2024-2-30."));
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("error\t")));
    EXPECT_EQ(lines.at(3), QStringLiteral("2024-02-04 10:00\t癸卯 乙丑 戊戌 丁巳\t癸卯年十二月廿五日巳时"));
    EXPECT_TRUE(lines.at(4).startsWith(QStringLiteral("error\t")));
    // The next day is past the lunar calendar's last year: no lunar birthday.
    EXPECT_EQ(lines.at(5), QStringLiteral("2100-12-31 23:59\t庚申 戊子 戊申 壬子\t"));
    EXPECT_EQ(lines.at(6), QString());

    const CliResult lunar = runCli({QStringLiteral("lunar"), QStringLiteral("-")}, dir.path(),
                                   "2024-2-10\n2025-04-27\n1899-12-31\n2033-12-22\n");
    EXPECT_EQ(lunar.exitCode, 2);
    EXPECT_EQ(lunar.out, QStringLiteral("2024-02-10\t2024\t1\t1\t初一\n"
                                        "2025-04-27\t2025\t3\t30\t三十\n"
                                        "error\t农历只有 1900 到 2100 年 / lunar dates cover 1900 to 2100: 1899-12-31\n"
                                        "2033-12-22\t2033\t-11\t1\t初一\n"));

    const CliResult good = runCli({QStringLiteral("lunar"), QStringLiteral("-")}, dir.path(), "2024-02-09\n");
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.out, QStringLiteral("2024-02-09\t2023\t12\t30\t三十\n"));
}

TEST(CalendarCommands, StdinIsUtf8LinesOfBoundedLength)
{
    WorkingDir dir;
    const QByteArray good("2024-02-09\n");
    const QByteArray goodOut("2024-02-09\t2023\t12\t30\t三十\n");
    struct Case {
        const char *name;
        QByteArray input;
        QByteArray expected; // the whole output
    };
    const QByteArray tooLong = QByteArray(64 * 1024 + 1, '1');
    for (const Case &c : {
             Case{"ByteOrderMarkSkipped", "\xEF\xBB\xBF" + good, goodOut},
             Case{"WindowsLineEnds", "2024-02-09\r\n2024-02-09\r\n", goodOut + goodOut},
             Case{"LastLineWithoutEnd", "2024-02-09", goodOut},
             Case{"LineAtTheLimit", QByteArray(64 * 1024 - 10, ' ') + "2024-02-09\n", goodOut},
             Case{"LineOverTheLimit", tooLong + "\n" + good,
                  "error\t输入行超过 64 KB / an input line is longer than 64 KB\n" + goodOut},
             Case{"EndlessLine", QByteArray(3 * 1024 * 1024, '7'),
                  "error\t输入行超过 64 KB / an input line is longer than 64 KB\n"},
             Case{"NotUtf8", "\xC3" "(2024-02-09\n" + good,
                  "error\t输入不是 UTF-8 文本 / the input is not UTF-8 text\n" + goodOut},
         }) {
        const CliResult r = runCli({QStringLiteral("lunar"), QStringLiteral("-")}, dir.path(), c.input);
        EXPECT_EQ(r.out, QString::fromUtf8(c.expected)) << c.name;
        EXPECT_EQ(r.exitCode, c.expected.startsWith("error") ? 2 : 0) << c.name;
    }
}

TEST(CalendarCommands, ReadingNeedsAKindADateAndARow)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(QStringLiteral("data.dll")), fixtureTablesDir());
    const QList<QStringList> bad = {
        {QStringLiteral("reading"), QStringLiteral("fortune"), QStringLiteral("2024-02-10")},
        {QStringLiteral("reading"), QStringLiteral("birthday")},
        {QStringLiteral("reading"), QStringLiteral("birthday"), QStringLiteral("2023-02-29")},
        {QStringLiteral("reading"), QStringLiteral("zodiac"), QStringLiteral("2024-02-10"), QStringLiteral("25")},
    };
    for (const QStringList &args : bad) {
        const CliResult r = runCli(args, dir.path());
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
    // The fixture has no reading rows: a clear failure, nothing on stdout.
    const CliResult none = runCli({QStringLiteral("reading"), QStringLiteral("history"), QStringLiteral("2024-02-10")}, dir.path());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.contains(QStringLiteral("2024-02-10"))) << none.err.toStdString();
}
