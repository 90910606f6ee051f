// The day master's strength and the favoured elements: the printed format, ties, hidden stems
// scored for their own element, and the shipped tables against the method their header states.
#include "TestSupport.h"

#include "birthchart/BirthChart.h"
#include "birthchart/FavourableElement.h"
#include "data/Database.h"

#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

using namespace qiming;
using namespace qiming::test;

namespace {

birthchart::FavourableElement computeOn(data::Database &db, const char *pillarText)
{
    const QStringList parts = QString::fromUtf8(pillarText).split(QLatin1Char(' '));
    const QString pillars[4] = {parts[0], parts[1], parts[2], parts[3]};
    birthchart::FavourableElement r;
    EXPECT_TRUE(birthchart::computeFavourableElement(db, pillars, &r)) << pillarText;
    return r;
}

} // namespace

TEST(FavourableElementTest, WorkedExampleFormatAndTheClosingLine)
{
    WorkingDir dir;
    data::Database db;
    openFixtureDatabase(db, dir, birthChartFixtureDir());
    // 甲 twice (木 3), 丙 0.6, 庚 2; 子 twice (水 1); 寅's three hidden stems go to 木, 火 and 土; 午 adds nothing.
    const birthchart::FavourableElement r = computeOn(db, "甲子 丙寅 甲子 庚午");
    EXPECT_EQ(r.scores, (std::array<double, 5>{2, 3.5, 1, 0.6, 4}));
    EXPECT_EQ(r.analysis.toStdString(),
              "用神分析：〖同类得分〗：木3.5，水1，共计4.5分；\r\n"
              "〖异类得分〗：金2，火0.6，土4，共计6.6分；\r\n"
              "〖差〗：-2.1分；〖综合旺衰得分〗：-2.1分，[八字偏弱]；\r\n"
              "〖八字喜用神〗:八字偏弱，八字喜[水木]");
    EXPECT_EQ(r.lastLine.toStdString(), "八字偏弱，八字喜[水木]");
    // Twice gives the same: the scores start from zero each time.
    EXPECT_EQ(computeOn(db, "甲子 丙寅 甲子 庚午").scores, r.scores);
}

TEST(FavourableElementTest, ATieOfTenthsIsStrong)
{
    WorkingDir dir;
    data::Database db;
    openFixtureDatabase(db, dir, birthChartFixtureDir());
    // 水 0 + 金 0.3 against 木 0.1 + 0.2: equal in decimals, not in binary.
    const birthchart::FavourableElement r = computeOn(db, "甲子 乙卯 壬子 庚子");
    EXPECT_TRUE(r.strong);
    EXPECT_TRUE(r.analysis.contains(QStringLiteral("〖差〗：0分；〖综合旺衰得分〗：0分，[八字偏强]；")))
        << r.analysis.toStdString();
    // Strong: the other kinds, least present first (火 0, 土 0 before 木 0.3).
    EXPECT_EQ(r.lastLine.toStdString(), "八字偏强，八字喜[火土]");
}

TEST(FavourableElementTest, FormatsAndFavouredOrder)
{
    const struct {
        double v;
        const char *text;
    } numbers[] = {{2, "2"}, {3.5, "3.5"}, {0.6, "0.6"}, {-2.1, "-2.1"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"}};
    for (const auto &n : numbers)
        EXPECT_EQ(birthchart::formatScore(n.v).toStdString(), n.text) << n.v;
    // 金 木 水 火 土
    EXPECT_EQ(birthchart::favouredElements(u'火', {1, 3, 2, 0.5, 4}, false).toStdString(), "火木");
    EXPECT_EQ(birthchart::favouredElements(u'火', {1, 0.5, 2, 0.5, 4}, false).toStdString(), "木火");
    EXPECT_EQ(birthchart::favouredElements(u'金', {5, 1, 0.2, 0.7, 3}, true).toStdString(), "水火");
}

TEST(FavourableElementTest, NoChartYetDoesNothing)
{
    WorkingDir dir;
    data::Database db;
    openFixtureDatabase(db, dir, birthChartFixtureDir());
    birthchart::FavourableElement r;
    r.verdict = QStringLiteral("unchanged");
    const QString empty[4];
    EXPECT_FALSE(birthchart::computeFavourableElement(db, empty, &r));
    const QString bad[4] = {QStringLiteral("甲子"), QStringLiteral("丙寅"), QStringLiteral("甲"), QStringLiteral("庚午")};
    EXPECT_FALSE(birthchart::computeFavourableElement(db, bad, &r));
    EXPECT_EQ(r.verdict.toStdString(), "unchanged");
}

// The shipped tables, recomputed from the method in their header: season factor of the
// element in the month times the weight of the stem's place in its branch.
class FavourableTablesTest : public BuiltDatabaseSuite {};

TEST_F(FavourableTablesTest, ShippedRowsFollowTheStatedMethod)
{
    const QString months = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    const QMap<QString, QString> seasons = {
        {QStringLiteral("寅卯"), QStringLiteral("木火水金土")}, {QStringLiteral("巳午"), QStringLiteral("火土木水金")},
        {QStringLiteral("申酉"), QStringLiteral("金水土火木")}, {QStringLiteral("亥子"), QStringLiteral("水木金土火")},
        {QStringLiteral("辰戌丑未"), QStringLiteral("土金火木水")}};
    const double factor[5] = {2, 1.5, 1, 0.7, 0.5}; // 旺 相 休 囚 死
    const auto season = [&](QChar element, QChar month) {
        for (auto it = seasons.begin(); it != seasons.end(); ++it)
            if (it.key().contains(month))
                return factor[it.value().indexOf(element)];
        return -1.0;
    };
    const QMap<QChar, QString> hidden = {{u'子', "癸"},   {u'丑', "己癸辛"}, {u'寅', "甲丙戊"}, {u'卯', "乙"},
                                         {u'辰', "戊乙癸"}, {u'巳', "丙庚戊"}, {u'午', "丁己"},   {u'未', "己丁乙"},
                                         {u'申', "庚壬戊"}, {u'酉', "辛"},     {u'戌', "戊辛丁"}, {u'亥', "壬甲"}};
    const auto weight = [](int count, int place) {
        static const double w[4][3] = {{}, {1}, {0.7, 0.3}, {0.6, 0.3, 0.1}};
        return w[count][place];
    };

    const data::RowSet stems = rows(QStringLiteral("select 天干, 生月, 数值 from 喜用神天干"));
    ASSERT_EQ(stems.rowCount(), 120);
    QSet<QString> keys;
    for (int i = 0; i < stems.rowCount(); ++i) {
        const QChar stem = stems.value(i, 0)[0], month = stems.value(i, 1)[0];
        keys.insert(stems.value(i, 0) + stems.value(i, 1));
        const double want = season(birthchart::elementOfCycleCharacter(stem)[0], month);
        EXPECT_NEAR(stems.value(i, 2).toDouble(), want, 1e-9) << stems.value(i, 0).toStdString() << int(month.unicode());
    }
    EXPECT_EQ(keys.size(), 120);

    const data::RowSet branches = rows(QStringLiteral("select 地支, 生月, 支藏, 数值 from 喜用神地支"));
    ASSERT_EQ(branches.rowCount(), 336);
    keys.clear();
    for (int i = 0; i < branches.rowCount(); ++i) {
        const QChar branch = branches.value(i, 0)[0], month = branches.value(i, 1)[0], stem = branches.value(i, 2)[0];
        keys.insert(branches.value(i, 0) + branches.value(i, 1) + branches.value(i, 2));
        ASSERT_TRUE(months.contains(month));
        const QString inBranch = hidden.value(branch);
        ASSERT_TRUE(inBranch.contains(stem)) << branches.value(i, 0).toStdString();
        const double want = season(birthchart::elementOfCycleCharacter(stem)[0], month)
                            * weight(int(inBranch.size()), int(inBranch.indexOf(stem)));
        EXPECT_NEAR(branches.value(i, 3).toDouble(), want, 1e-9) << branches.value(i, 0).toStdString();
    }
    EXPECT_EQ(keys.size(), 336);
}
