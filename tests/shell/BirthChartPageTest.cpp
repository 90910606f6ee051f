// The page "生辰八字" and the window "人工取名": the chart from the profile or the lists, the
// note near a 节, the readings of the chart last computed, and the favoured elements.
#include "ShellFixture.h"

#include "birthchart/ui/BirthChartPage.h"
#include "birthchart/ui/BirthChartPanel.h"
#include "birthchart/ui/ManualNamingWindow.h"
#include "birthchart/ui/ReadingWindow.h"
#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameScoringPage.h"
#include "profile/ui/SettingsWindow.h"

#include <QPlainTextEdit>
#include <QTextBrowser>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace qiming;
using namespace qiming::test;

class BirthChartPageTest : public ShellFixture {
protected:
    BirthChartPageTest() { moreTables << birthChartFixtureDir(); }

    birthchart::BirthChartPage *chartPage()
    {
        window->showPage(QStringLiteral("TabSheet13"));
        return static_cast<birthchart::BirthChartPage *>(window->page(QStringLiteral("TabSheet13")));
    }
    QString field(QWidget *parent, const char *name) { return child<QLineEdit>(parent, name)->text(); }
    QString pillars(QWidget *parent)
    {
        return QStringList{field(parent, "Edit13"), field(parent, "Edit14"), field(parent, "Edit15"), field(parent, "Edit16")}
            .join(QLatin1Char(' '));
    }
};

TEST_F(BirthChartPageTest, ShowingThePageAndSavingTheProfileComputeTheStoredBirthTime)
{
    start();
    birthchart::BirthChartPage *page = chartPage();
    // The fixture's stored birth time, 2014-8-8 8:08.
    EXPECT_EQ(pillars(page).toStdString(), "甲午 壬申 辛亥 壬辰");
    EXPECT_EQ(field(page, "Edit24").toStdString(), "马");

    ModalAnswerer answerer;
    profile::BabyProfile &p = profile::liveProfile();
    p.birthYear = QStringLiteral("2024");
    p.birthMonth = QStringLiteral("2");
    p.birthDay = QStringLiteral("10");
    p.birthHour = QStringLiteral("12");
    p.birthMinute = QStringLiteral("0");
    static_cast<profile::SettingsWindow *>(window->window(QStringLiteral("TForm7")))->saveSettings();
    EXPECT_EQ(pillars(page).toStdString(), "甲辰 丙寅 甲辰 庚午");
    EXPECT_EQ(field(page, "Edit17").toStdString(), "木土");
    EXPECT_EQ(field(page, "Edit21").toStdString(), "甲辰年一月初一日午时");
    EXPECT_EQ(field(page, "Edit22").toStdString(), "星期六");
    EXPECT_EQ(field(page, "Edit23").toStdString(), "水瓶座");
    EXPECT_EQ(child<QLabel>(page, "Label12")->text().toStdString(), "五行缺 水  ");
}

TEST_F(BirthChartPageTest, ANoteNearAMonthTermAndNothingChangedByAnImpossibleDate)
{
    start();
    birthchart::BirthChartPage *page = chartPage();
    birthchart::BirthChartPanel *panel = page->panel();
    choose(panel, 2024, 2, 4, 16, 10);
    ASSERT_TRUE(panel->compute());
    EXPECT_EQ(pillars(page).toStdString(), "癸卯 乙丑 戊戌 庚申");
    EXPECT_FALSE(panel->termNote()->isHidden());
    EXPECT_TRUE(panel->termNote()->text().contains(QStringLiteral("立春（2月4日 16:27）"))) << panel->termNote()->text().toStdString();

    choose(panel, 2024, 2, 10, 12, 0);
    ASSERT_TRUE(panel->compute());
    EXPECT_TRUE(panel->termNote()->isHidden());

    ModalAnswerer answerer;
    choose(panel, 2023, 2, 30, 12, 0);
    EXPECT_FALSE(panel->compute());
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("您输入的时间不存在，请检查: 2023-2-30.")});
    EXPECT_EQ(pillars(page).toStdString(), "甲辰 丙寅 甲辰 庚午");
}

TEST_F(BirthChartPageTest, ReadingsFollowTheChartLastComputed)
{
    start();
    birthchart::BirthChartPage *page = chartPage();
    QWidget *reading = window->window(QStringLiteral("TForm14"));
    choose(page->panel(), 2024, 2, 10, 12, 0);
    ASSERT_TRUE(page->panel()->compute());
    page->showZodiacReading();
    EXPECT_TRUE(reading->isVisible());
    EXPECT_EQ(reading->windowTitle().toStdString(), "生肖分析 --龙");
    page->showStarSignReading();
    EXPECT_EQ(reading->windowTitle().toStdString(), "星座分析 --水瓶座");
    {
        ModalAnswerer answerer;
        page->showBirthdayReading();
        EXPECT_EQ(answerer.windows(), QStringList{QStringLiteral("TForm14")});
    }
    EXPECT_EQ(reading->windowTitle().toStdString(), "生日分析 2月10日");

    // Lists changed without computing: the readings still belong to the chart shown.
    choose(page->panel(), 2024, 2, 3, 12, 0);
    page->showHistoryToday();
    EXPECT_EQ(reading->windowTitle().toStdString(), "历史上的今天-- 2月10日");

    // A day without a row changes no title; 2024-02-03 is still 兔 by its year pillar.
    ASSERT_TRUE(page->panel()->compute());
    page->showHistoryToday();
    EXPECT_EQ(reading->windowTitle().toStdString(), "历史上的今天-- 2月10日");
    page->showZodiacReading();
    EXPECT_EQ(reading->windowTitle().toStdString(), "生肖分析 --兔");
}

TEST_F(BirthChartPageTest, ManualNamingWindowComputesTheFavouredElements)
{
    start();
    auto *naming = static_cast<birthchart::ManualNamingWindow *>(window->window(QStringLiteral("TForm16")));
    birthchart::BirthChartPanel *panel = naming->panel();
    EXPECT_TRUE(panel->manualChoice()->isChecked());

    // Before any chart: nothing.
    naming->computeFavourableElement();
    EXPECT_TRUE(field(naming, "jin").isEmpty());

    choose(panel, 2024, 2, 10, 12, 0);
    ASSERT_TRUE(panel->compute());
    EXPECT_EQ(child<QLabel>(naming, "Label12")->text().toStdString(), "五行缺 水  ");
    naming->favourableButton()->click();
    const char *expected[5] = {"2", "3.5", "0", "0.6", "4"};
    const char *names[5] = {"jin", "mu", "shui", "huo", "tu"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(field(naming, names[i]).toStdString(), expected[i]) << names[i];
    EXPECT_TRUE(child<QLabel>(naming, "Label7")->text().endsWith(QStringLiteral("〖八字喜用神〗:八字偏弱，八字喜[水木]")));

    // A chart that lacks nothing clears the line on this window.
    choose(panel, 2024, 2, 5, 12, 0);
    ASSERT_TRUE(panel->compute());
    EXPECT_TRUE(child<QLabel>(naming, "Label12")->text().isEmpty());

    // Its profile choice reads the profile.
    panel->profileChoice()->setChecked(true);
    ASSERT_TRUE(panel->compute());
    EXPECT_EQ(pillars(naming).toStdString(), "甲午 壬申 辛亥 壬辰");
}

TEST_F(BirthChartPageTest, ScoringPageAndReportMeasureTheNameAgainstTheProfilesChart)
{
    start();
    window->showPage(QStringLiteral("TabSheet12"));
    auto *scoring = static_cast<numerology::NameScoringPage *>(window->page(QStringLiteral("TabSheet12")));
    child<QLineEdit>(scoring, "Edit1")->setText(QStringLiteral("王"));
    child<QLineEdit>(scoring, "Edit2")->setText(QStringLiteral("小明"));
    scoring->scoreEnteredName();
    // 2014-8-8 8:08 (甲午 壬申 辛亥 壬辰) lacks nothing; the fixture scores 申 months nothing, a tie,
    // so the day master 辛 is strong and wants 木 and 水, which neither 小 (金) nor 明 (火) brings.
    EXPECT_EQ(scoring->chartVerdictLabel()->text().toStdString(), "八字与名字：八字五行不缺，喜木水 → 小（金） 明（火）");
    auto *analysis = static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    const QString report = analysis->view()->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral("八字与名字"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("名字的用字没有带来八字所缺或所喜的木、水")));
}

TEST_F(BirthChartPageTest, SurnameOriginOpensTheReadingWindowOrSaysWhyNot)
{
    start();
    window->showPage(QStringLiteral("TabSheet12"));
    auto *scoring = static_cast<numerology::NameScoringPage *>(window->page(QStringLiteral("TabSheet12")));
    auto *reading = static_cast<birthchart::ReadingWindow *>(window->window(QStringLiteral("TForm14")));
    auto *surname = child<QLineEdit>(scoring, "Edit1");
    const struct {
        const char *typed;
        const char *message; // empty: the origin is shown
    } cases[] = {{"", "您的输入有误！"}, {"A", "您的输入有误！"}, {"王", "对不起，暂时没有您要查找的姓氏信息，麻烦告诉我们哦~"},
                 {"欧阳", ""}};
    for (const auto &c : cases) {
        surname->setText(QString::fromUtf8(c.typed));
        ModalAnswerer answerer;
        scoring->surnameOriginButton()->click();
        if (*c.message) {
            EXPECT_EQ(answerer.texts(), QStringList{QString::fromUtf8(c.message)}) << c.typed;
            EXPECT_EQ(answerer.captions(), QStringList{QStringLiteral("提示")}) << c.typed;
            EXPECT_FALSE(reading->isVisible()) << c.typed;
        } else {
            EXPECT_TRUE(answerer.texts().isEmpty());
            EXPECT_TRUE(reading->isVisible());
            EXPECT_EQ(reading->windowTitle().toStdString(), "百家姓 --欧阳");
            EXPECT_TRUE(reading->view()->toPlainText().contains(QStringLiteral("出自姒姓")));
        }
    }
    // The birthday reading puts its text box in front; hiding the window hides it again.
    auto *chart = static_cast<birthchart::BirthChartPage *>(window->page(QStringLiteral("TabSheet13")));
    window->showPage(QStringLiteral("TabSheet13"));
    choose(chart->panel(), 2024, 2, 10, 12, 0);
    ASSERT_TRUE(chart->panel()->compute());
    {
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *) {
            EXPECT_TRUE(reading->textBox()->isVisible());
            EXPECT_EQ(reading->textBox()->toPlainText().toStdString(), "2月10日出生的孩子");
        });
        chart->showBirthdayReading();
    }
    EXPECT_FALSE(reading->textBox()->isVisible());
    chart->showZodiacReading();
    EXPECT_FALSE(reading->textBox()->isVisible());
    EXPECT_EQ(reading->windowTitle().toStdString(), "生肖分析 --龙");
}

// Asked for first thing after start, the profile is the stored one (2024-2-10 12:00, 甲辰 丙寅
// 甲辰 庚午), not the built-in one.
class StoredBirthTimeTest : public BirthChartPageTest {
protected:
    void SetUp() override
    {
        BirthChartPageTest::SetUp();
        beforeStart([](data::Database &db) {
            db.exec(QStringLiteral("update 初始信息 set 年=?, 月=?, 日=?, 时=?, 分=?"),
                    {QStringLiteral("2024"), QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("12"),
                     QStringLiteral("0")});
        });
        start();
    }
};

TEST_F(StoredBirthTimeTest, ManualNamingsProfileChoiceFirst)
{
    auto *naming = static_cast<birthchart::ManualNamingWindow *>(window->window(QStringLiteral("TForm16")));
    naming->panel()->profileChoice()->setChecked(true);
    ASSERT_TRUE(naming->panel()->compute());
    EXPECT_EQ(pillars(naming).toStdString(), "甲辰 丙寅 甲辰 庚午");
}

TEST_F(StoredBirthTimeTest, ScoringFirst)
{
    window->showPage(QStringLiteral("TabSheet12"));
    auto *scoring = static_cast<numerology::NameScoringPage *>(window->page(QStringLiteral("TabSheet12")));
    child<QLineEdit>(scoring, "Edit1")->setText(QStringLiteral("王"));
    child<QLineEdit>(scoring, "Edit2")->setText(QStringLiteral("小明"));
    scoring->scoreEnteredName();
    auto *analysis = static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    const QString report = analysis->view()->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral("甲辰 丙寅 甲辰 庚午"))) << report.toStdString();
}
