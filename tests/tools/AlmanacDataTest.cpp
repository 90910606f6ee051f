// The boy-or-girl table as the project writes it, and the almanac from the command line.
#include "TestSupport.h"

#include "data/DatabaseBuilder.h"
#include "data/Tsv.h"
#include "tools/FunLookups.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

using namespace qiming;

TEST(BoyOrGirlTable, EveryAgeFrom18To45HasABoyOrAGirlForEveryMonth)
{
    data::TsvTable table;
    QString error;
    ASSERT_TRUE(data::readTsv(QDir(data::defaultSourceDirs().first()).filePath(QStringLiteral("生男生女.tsv")), &table,
                              &error))
        << error.toStdString();
    ASSERT_EQ(table.header, QStringList({QStringLiteral("ID"), QStringLiteral("nn")}) + tools::monthColumns());
    ASSERT_EQ(table.rows.size(), 28u);
    QSet<int> ages;
    for (const QVariantList &row : table.rows) {
        const int age = row.at(1).toString().toInt();
        EXPECT_TRUE(age >= 18 && age <= 45) << age;
        ages.insert(age);
        for (int m = 2; m < 14; ++m) {
            const QString cell = row.at(m).toString();
            EXPECT_TRUE(cell == QStringLiteral("男") || cell == QStringLiteral("女")) << age << " " << m - 1;
        }
    }
    EXPECT_EQ(ages.size(), 28);
}

TEST(AlmanacCommand, PrintsThePageOfAYearAndRefusesOthers)
{
    const test::CliResult r = test::runCli({QStringLiteral("almanac"), QStringLiteral("2015")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(0).toStdString(), "2015年结婚黄道吉日表");
    EXPECT_TRUE(lines.at(1).isEmpty());
    EXPECT_EQ(lines.at(2).toStdString(), "2015年01月04日 农历11月(小)14日 星期日  冲狗(甲戌)煞南");
    EXPECT_EQ(lines.size(), 2 + 130 + 1); // the last line ends too

    for (const char *bad : {"2100", "1899", "abcd", "20155", "-2015"}) {
        const test::CliResult b = test::runCli({QStringLiteral("almanac"), QString::fromLatin1(bad)});
        EXPECT_EQ(b.exitCode, 2) << bad;
        EXPECT_TRUE(b.out.isEmpty()) << bad;
    }
    EXPECT_EQ(test::runCli({QStringLiteral("almanac")}).exitCode, 2);
}
