// The page "高分模式" built alone: messages, progress, pause, sort, and what its list hands the
// program around it.
#include "HighScoreWaits.h"
#include "PageFixture.h"

#include "generation/CandidateListModel.h"
#include "generation/HighScoreRun.h"
#include "namelist/CandidateListView.h"
#include "generation/ui/HighScorePage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace qiming;
using namespace qiming::test;

class HighScorePageTest : public PageFixture {
protected:
    HighScorePageTest() { tables = generationFixtureDir(); }
    // As the program shows it: the list's header written.
    void start()
    {
        m_page = std::make_unique<generation::HighScorePage>(host);
        m_page->list()->writeCandidateHeader();
        m_page->show();
    }
    generation::HighScorePage *page() { return m_page.get(); }
    // Presses "生成名字" and waits for the run to end; returns every message shown.
    QStringList generateAndWait() { return test::generateAndWait(child<QPushButton>(page(), "Button5"), *page()->run()); }
    void waitForRunEnd() { test::waitForRunEnd(*page()->run()); }
    // A girl with a compound surname: twelve characters, 144 names, in the smallest slices.
    generation::HighScoreRun *prepareGirlsRun()
    {
        start();
        profile::ensureProfileLoaded();
        profile::liveProfile().surname = QStringLiteral("欧阳");
        profile::liveProfile().gender = QStringLiteral("nv");
        generation::HighScoreRun *run = page()->run();
        run->setSliceMs(0);
        return run;
    }
    QString label(const char *name) { return child<QLabel>(page(), name)->text(); }
    void TearDown() override
    {
        m_page.reset();
        PageFixture::TearDown();
    }

    std::unique_ptr<generation::HighScorePage> m_page;
};

TEST_F(HighScorePageTest, ARunListsTheHighScorersAndSaysSoOnce)
{
    start();
    EXPECT_EQ(page()->list()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("名字"));
    EXPECT_EQ(generateAndWait(), QStringList({QStringLiteral("全部名字计算完毕！")}));
    EXPECT_EQ(label("Label7"), QStringLiteral("总数量为：9"));
    EXPECT_EQ(label("Label5"), QStringLiteral("已运算的名字数量为：9"));
    EXPECT_EQ(label("Label43"), QStringLiteral("已生成符合条件的名字数量为：1"));
    ASSERT_EQ(page()->list()->size(), 1);
    EXPECT_EQ(page()->list()->candidate(0).scored.name, QStringLiteral("李明明"));
}

TEST_F(HighScorePageTest, SingleNameAndFixedCharacterMessagesComeBeforeTheRun)
{
    start();
    profile::ensureProfileLoaded();
    profile::liveProfile().givenNameLength = 1;
    profile::liveProfile().fixedCharEnabled = true;
    profile::liveProfile().fixedChar = QStringLiteral("安");
    EXPECT_EQ(generateAndWait(), QStringList({QStringLiteral("单名模式可能比较少高分名字，将全部显示！"),
                                              QStringLiteral("您设置了指定字，将全部显示！"),
                                              QStringLiteral("全部名字计算完毕！")}));
    EXPECT_EQ(label("Label7"), QStringLiteral("总数量为：1"));
    EXPECT_EQ(page()->list()->candidate(0).scored.name, QStringLiteral("李安"));
    // A fixed character outside the dictionary is not in effect, and says nothing.
    profile::liveProfile().fixedChar = QStringLiteral("x");
    EXPECT_EQ(generateAndWait(), QStringList({QStringLiteral("单名模式可能比较少高分名字，将全部显示！"),
                                              QStringLiteral("全部名字计算完毕！")}));
    EXPECT_EQ(label("Label7"), QStringLiteral("总数量为：3"));
}

TEST_F(HighScorePageTest, PauseResumeAndSortDuringARun)
{
    generation::HighScoreRun *run = prepareGirlsRun();
    auto *pause = child<QPushButton>(page(), "Button34");
    // One answerer to the end: the run may finish, and say so, at any wait below.
    ModalAnswerer answerer;
    child<QPushButton>(page(), "Button5")->click();
    EXPECT_TRUE(run->isActive());
    pause->click();
    EXPECT_EQ(pause->text(), QStringLiteral("恢复"));
    EXPECT_FALSE(run->isActive());
    const qint64 paused = run->computed();
    QTest::qWait(30);
    EXPECT_EQ(run->computed(), paused);
    // Sorting is refused only while the run is active.
    pause->click();
    EXPECT_EQ(pause->text(), QStringLiteral("暂停"));
    child<QPushButton>(page(), "Button22")->click();
    const qsizetype warning = answerer.texts().indexOf(QStringLiteral("请等名字生成完毕，或者暂停之后，再进行排序！"));
    ASSERT_GE(warning, 0);
    EXPECT_EQ(answerer.captions().value(warning), QStringLiteral("警告"));
    waitForRunEnd();
    EXPECT_EQ(run->computed(), 144);
    EXPECT_EQ(answerer.texts().count(QStringLiteral("全部名字计算完毕！")), 1);
    const qsizetype beforeSort = answerer.texts().size();
    child<QPushButton>(page(), "Button22")->click();
    EXPECT_EQ(answerer.texts().mid(beforeSort), QStringList({QStringLiteral("分数排序完毕！")}));
    // A finished run leaves the caption; pressing it then does nothing.
    pause->click();
    EXPECT_EQ(pause->text(), QStringLiteral("暂停"));
}

TEST_F(HighScorePageTest, TheListHandsItsHostTheRowTheRunsFlagsAndItself)
{
    start();
    generateAndWait();
    // The profile switches to one-character names after the run.
    profile::liveProfile().givenNameLength = 1;
    profile::liveProfile().gender = QStringLiteral("nv");
    namelist::CandidateListView *view = page()->view();
    view->setCurrentIndex(page()->list()->index(0, 1));
    ModalAnswerer answerer;
    view->addToFavourites();
    view->showAnalysis();
    child<QPushButton>(page(), "Button8")->click();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("成功添加名字李明明！")}));
    EXPECT_EQ(host.favourites, QStringList({QStringLiteral("李明明")}));
    ASSERT_EQ(host.identities.size(), 1u);
    EXPECT_TRUE(host.identities[0].singleSurname);
    EXPECT_FALSE(host.identities[0].singleGiven);
    EXPECT_EQ(host.identities[0].gender, QStringLiteral("nan"));
    EXPECT_EQ(host.reports, QStringList({QStringLiteral("李明明")}));
    EXPECT_EQ(host.filtered, page()->list());
    // Empty names ask for nothing.
    view->setCurrentIndex({});
    view->addToFavourites();
    view->showAnalysis();
    EXPECT_EQ(host.favourites.size(), 1);
    EXPECT_EQ(host.reports.size(), 1);
}

TEST_F(HighScorePageTest, GeneratingAgainDuringARunStartsAfreshAndReportsOnce)
{
    generation::HighScoreRun *run = prepareGirlsRun();
    ModalAnswerer answerer;
    child<QPushButton>(page(), "Button5")->click();
    run->tick(); // part of the way
    ASSERT_FALSE(run->isFinished());
    // A fixed character now: the new run's set-up message must not find the old run ticking.
    profile::liveProfile().fixedCharEnabled = true;
    profile::liveProfile().fixedChar = QStringLiteral("安");
    child<QPushButton>(page(), "Button5")->click();
    waitForRunEnd();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("您设置了指定字，将全部显示！"), QStringLiteral("全部名字计算完毕！")}));
    EXPECT_EQ(run->total(), 12);
    EXPECT_EQ(page()->list()->size(), 12); // every name of the new run, none of the old
}
