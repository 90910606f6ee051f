// The analysis report's page: placeholders filled in order from N81 and sc.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"
#include "numerology/NameReport.h"
#include "numerology/PoemSource.h"
#include "numerology/SharedNumerology.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::numerology;
using namespace qiming::test;

namespace {

ScoredName sample(const QString &grids, const QString &score)
{
    return {QStringLiteral("李涵涵"), QStringLiteral("lǐ-hán-hán"), QStringLiteral("木-水-水"), QStringLiteral("7-11-11"),
            QStringLiteral("7-8-14"), grids, score, QStringLiteral("nan"), 1};
}

// Words of the template that must all have been replaced.
bool hasPlaceholders(const QString &page)
{
    static const QRegularExpression words(QStringLiteral(
        "(tiange|renge|dige|waige|zongge)(shuzi|wuxing|haoma|n81)|sancai[a-z]|mingzi|hanziwuxing|kangxibihua|"
        "zongpingyijianyi|pingfen"));
    return page.contains(words);
}

} // namespace

class NameReportTest : public ::testing::Test {
protected:
    void SetUp() override { openFixtureDatabase(db, dir, numerologyFixtureDir()); }
    WorkingDir dir;
    data::Database db;
};

TEST_F(NameReportTest, FillsEveryBoxInOrder)
{
    const QString page = buildNameReport(db, sample(QStringLiteral("8-15-22-15-29"), QStringLiteral("97")));
    EXPECT_FALSE(hasPlaceholders(page));
    for (const char *expected : {"天格-&gt; 8(金)", "人格-&gt; 15(土)", "地格-&gt; 22(木)", "外格-&gt; 15(土)",
                                 "总格-&gt; 29(水)", "<b>金土木</b>", "李涵涵", "木-水-水", "7-8-14",
                                 "人格15的解析：", "福寿（<span class=\"verdict\">大吉</span>）",
                                 "金土木配置（<span class=\"verdict\">吉</span>）", "金土木基础（<span class=\"verdict\">大吉</span>）",
                                 "金土木人际（<span class=\"verdict\">半吉</span>）", "金土木性格",
                                 "总格29有以下数理暗示</td><td>二十九的暗示", "外格15有以下数理暗示</td><td>十五的暗示",
                                 "成功与惊喜将会伴随你的一生", ">97</span>", "charset=gb2312"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    // The simplified strokes are not shown; the pinyin is, at the top, one syllable a character.
    EXPECT_FALSE(page.contains(QStringLiteral("7-11-11")));
    EXPECT_FALSE(page.contains(QStringLiteral("lǐ-hán-hán")));
    EXPECT_LT(page.indexOf(QStringLiteral("lǐ hán hán")), page.indexOf(QStringLiteral("天格-&gt;")));
    EXPECT_GT(page.indexOf(QStringLiteral("lǐ hán hán")), 0);
}

TEST_F(NameReportTest, ScoreBandsChooseTheComment)
{
    const std::pair<const char *, const char *> bands[] = {
        {"90", "非常棒"}, {"89", "取得不错"}, {"80", "取得不错"}, {"79", "不太理想"}, {"70", "不太理想"}, {"69", "可能不太好"}};
    for (const auto &[score, comment] : bands) {
        const QString page = buildNameReport(db, sample(QStringLiteral("8-15-22-15-29"), QString::fromUtf8(score)));
        EXPECT_TRUE(page.contains(QString::fromUtf8(comment))) << score;
    }
    EXPECT_THROW(buildNameReport(db, sample(QStringLiteral("8-15-22-15-29"), QStringLiteral("九十"))), data::ConversionError);
}

TEST_F(NameReportTest, MissingRowsLeaveEmptyTextsAndBigNumbersNameTheirReading)
{
    // 3 and 9 have no N81 row, 火火木 no sc row: those texts are empty, the page is whole.
    QString page = buildNameReport(db, sample(QStringLiteral("3-4-9-3-16"), QStringLiteral("60")));
    EXPECT_FALSE(hasPlaceholders(page));
    EXPECT_TRUE(page.contains(QStringLiteral("地格9的解析：")));
    EXPECT_TRUE(page.contains(QStringLiteral("（<span class=\"verdict\"></span>）")));

    // 总格 82 is shown as 82 and read as 2.
    page = buildNameReport(db, sample(QStringLiteral("8-15-22-15-82"), QStringLiteral("90")));
    EXPECT_TRUE(page.contains(QStringLiteral("总格-&gt; 82(木)")));
    EXPECT_TRUE(page.contains(QStringLiteral("总格82（按2解）的解析：")));
    EXPECT_TRUE(page.contains(QStringLiteral("两仪（<span class=\"verdict\">大吉</span>）")));
    EXPECT_TRUE(page.contains(QStringLiteral("总格82有以下数理暗示</td><td>二的暗示")));
}

TEST_F(NameReportTest, CharsetDeclarationCanSayUtf8)
{
    const QString page = buildNameReport(db, sample(QStringLiteral("8-15-22-15-29"), QStringLiteral("97")), QStringLiteral("utf-8"));
    EXPECT_TRUE(page.contains(QStringLiteral("charset=utf-8")));
    EXPECT_FALSE(page.contains(QStringLiteral("gb2312")));
}

TEST(NameReportRealData, ARealNameHasEveryBoxFilled)
{
    WorkingDir dir;
    const data::BuildResult built = data::buildDatabase(dir.file(data::kDatabaseFileName), data::defaultSourceDirs());
    ASSERT_TRUE(built.ok) << built.error.toStdString();
    ASSERT_TRUE(data::openDatabase());
    const auto scored = scoreTypedName(QStringLiteral("王"), QStringLiteral("小明"), QStringLiteral("nan"));
    ASSERT_TRUE(scored.has_value());
    EXPECT_EQ(scored->fiveGrids, QStringLiteral("5-7-11-9-15"));
    const QString page = buildNameReport(data::sharedDatabase(), *scored);
    data::closeDatabase();
    EXPECT_FALSE(hasPlaceholders(page));
    // No empty verdict, explanation or cell anywhere.
    EXPECT_FALSE(page.contains(QStringLiteral("></span>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<p></p>")));
    EXPECT_FALSE(page.contains(QStringLiteral("<td></td>")));
}

TEST(NameReportRealData, TheReportAndTheLookupNameTheVersesOfAName)
{
    WorkingDir dir;
    const data::BuildResult built = data::buildDatabase(dir.file(data::kDatabaseFileName), data::defaultSourceDirs());
    ASSERT_TRUE(built.ok) << built.error.toStdString();
    ASSERT_TRUE(data::openDatabase());
    EXPECT_GE(built.rowsPerTable.value(QStringLiteral("诗词")), 10000);
    const auto scored = scoreTypedName(QStringLiteral("李"), QStringLiteral("欣怡"), QStringLiteral("nv"));
    ASSERT_TRUE(scored.has_value());
    const QString page = buildNameReport(data::sharedDatabase(), *scored);
    // Together or apart, 欣 and 怡 each have verses in the library.
    const std::vector<PoemSource> found = findPoemSources(QStringLiteral("欣怡"));
    const std::vector<PoemSource> rare = findPoemSources(QStringLiteral("若汐"));
    const std::vector<PoemSource> known = findPoemSources(QStringLiteral("子衿"));
    data::closeDatabase();
    EXPECT_TRUE(page.contains(QStringLiteral("诗词出处：")));
    EXPECT_FALSE(hasPlaceholders(page));
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(page.contains(found.front().title.toHtmlEscaped()));
    ASSERT_FALSE(rare.empty());
    for (const PoemSource &s : rare)
        EXPECT_TRUE(s.verse.contains(QChar(u'若')) || s.verse.contains(QChar(u'汐'))) << s.verse.toStdString();
    ASSERT_FALSE(known.empty());
    EXPECT_TRUE(known.front().together);
    EXPECT_EQ(known.front().verse, QStringLiteral("青青子衿，悠悠我心。"));
}
