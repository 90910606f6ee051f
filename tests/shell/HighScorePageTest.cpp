// The high-score list in the running program: what the list asks for reaches the favourites
// table and the report window.
#include "HighScoreWaits.h"
#include "ShellFixture.h"

#include "data/RowSet.h"
#include "generation/CandidateListModel.h"
#include "generation/HighScoreRun.h"
#include "namelist/CandidateListView.h"
#include "generation/ui/HighScorePage.h"
#include "numerology/ui/AnalysisWindow.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace qiming;
using namespace qiming::test;

class HighScorePageTest : public ShellFixture {
protected:
    HighScorePageTest() { tables = generationFixtureDir(); }
    generation::HighScorePage *page()
    {
        window->showPage(QStringLiteral("TabSheet1"));
        return static_cast<generation::HighScorePage *>(window->page(QStringLiteral("TabSheet1")));
    }
    // Presses "生成名字" and waits for the run to end; returns every message shown.
    QStringList generateAndWait() { return test::generateAndWait(child<QPushButton>(page(), "Button5"), *page()->run()); }
    void waitForRunEnd() { test::waitForRunEnd(*page()->run()); }
    data::RowSet favourites()
    {
        return data::RowSet::load(data::sharedDatabase(), QStringLiteral("select *  from 自选列表 order by ID"));
    }
};

TEST_F(HighScorePageTest, FavouritesKeepTheFlagsOfTheRunThatFormedTheName)
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
    view->copyName();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("成功添加名字李明明！"), QStringLiteral("已复制名字 李明明 ！")}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("李明明"));
    const data::RowSet rows = favourites();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.field(QStringLiteral("danxing")), QStringLiteral("true"));
    EXPECT_EQ(rows.field(QStringLiteral("danming")), QStringLiteral("false"));
    EXPECT_EQ(rows.field(QStringLiteral("xingbie")), QStringLiteral("nan"));

    // A double click opens the row's own texts in the report.
    view->showAnalysis();
    auto *analysis = static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    ASSERT_TRUE(analysis->isVisible());
    // Empty names do nothing.
    view->setCurrentIndex({});
    view->addToFavourites();
    EXPECT_EQ(favourites().rowCount(), 1);
}
