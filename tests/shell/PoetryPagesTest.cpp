// Custom mode and the two poetry pages in the running program: the input limit, the access
// word, the cascade, the picker, the one character-set run behind both pause buttons.
#include "ShellFixture.h"

#include "data/DatabaseBuilder.h"
#include "generation/CandidateListModel.h"
#include "generation/CharSetRun.h"
#include "generation/ui/CustomModePage.h"
#include "generation/ui/PoetryPages.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTest>

using namespace qiming;
using namespace qiming::test;

class PoetryPagesTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        // The generation tables and a few poems.
        const QString path = dir.file(data::kDatabaseFileName);
        QFile::remove(path);
        const data::BuildResult built =
            data::buildDatabase(path, {generationFixtureDir(), QStringLiteral(QIMING_TEST_FIXTURES "/poetry")});
        ASSERT_TRUE(built.ok) << qPrintable(built.error);
    }
    generation::CustomModePage *custom()
    {
        window->showPage(QStringLiteral("TabSheet3"));
        return static_cast<generation::CustomModePage *>(window->page(QStringLiteral("TabSheet3")));
    }
    generation::PoemChooserPage *chooser()
    {
        window->showPage(QStringLiteral("TabSheet4"));
        return static_cast<generation::PoemChooserPage *>(window->page(QStringLiteral("TabSheet4")));
    }
    generation::PoemPickerPage *picker()
    {
        return static_cast<generation::PoemPickerPage *>(window->page(QStringLiteral("TabSheet5")));
    }
    void waitForRunEnd(generation::CharSetRun *run)
    {
        for (int i = 0; i < 500 && !run->isFinished(); ++i)
            QTest::qWait(10);
        QTest::qWait(50);
    }
    // Chooses a poem on "诗词模式" and lays it out with "④选择这首诗→".
    void choose(const char *dynasty, const char *poet, const char *title)
    {
        ASSERT_TRUE(chooser()->select({QString::fromUtf8(dynasty), QString::fromUtf8(poet), QString::fromUtf8(title)}));
        child<QPushButton>(chooser(), "Button12")->click();
        ASSERT_EQ(window->currentPageName(), QStringLiteral("TabSheet5"));
    }
    QStringList names(const generation::CandidateListModel *list)
    {
        QStringList out;
        for (int r = 0; r < list->size(); ++r)
            out << list->candidate(r).scored.name;
        return out;
    }
};

TEST_F(PoetryPagesTest, TheCustomInputTakesAtMostAHundredCharactersTypedOrPasted)
{
    start();
    QPlainTextEdit *memo = child<QPlainTextEdit>(custom(), "Memo2");
    memo->setFocus();
    memo->insertPlainText(QString(90, QChar(u'明')));
    memo->insertPlainText(QStringLiteral("华\n") + QString(20, QChar(u'文'))); // pasted: its tail goes
    EXPECT_EQ(memo->toPlainText().size(), 100);
    EXPECT_TRUE(memo->toPlainText().startsWith(QString(90, QChar(u'明')) + QStringLiteral("华\n文")));
    QTest::keyClicks(memo, QStringLiteral("x"));
    EXPECT_EQ(memo->toPlainText().size(), 100);
    EXPECT_FALSE(memo->toPlainText().contains(QLatin1Char('x')));
}

TEST_F(PoetryPagesTest, ACustomRunListsTheOrderedPairsAndSaysHowMany)
{
    start();
    child<QPlainTextEdit>(custom(), "Memo2")->setPlainText(QStringLiteral("明，华\n明"));
    ModalAnswerer answerer;
    child<QPushButton>(custom(), "Button6")->click();
    waitForRunEnd(custom()->run());
    EXPECT_EQ(names(custom()->list()),
              QStringList({QStringLiteral("李华华"), QStringLiteral("李华明"), QStringLiteral("李明华"), QStringLiteral("李明明")}));
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("运算完毕！名字总数为4")}));
    EXPECT_EQ(answerer.captions(), QStringList({QStringLiteral("提示")}));
}

TEST_F(PoetryPagesTest, TheAccessWordOpensTheManualNamingWindowFirst)
{
    start();
    child<QPlainTextEdit>(custom(), "Memo2")->setPlainText(QStringLiteral("morvelantiqus"));
    ModalAnswerer answerer;
    child<QPushButton>(custom(), "Button6")->click();
    waitForRunEnd(custom()->run());
    EXPECT_EQ(answerer.windows(), QStringList({QStringLiteral("TForm16")}));
    EXPECT_TRUE(answerer.texts().isEmpty()); // no dictionary character: no names, no message
    EXPECT_EQ(custom()->list()->size(), 0);
}

TEST_F(PoetryPagesTest, TheCascadeOpensOnTheFirstPoemAndAChosenPoemIsLaidOut)
{
    start();
    generation::PoemChooserPage *page = chooser();
    EXPECT_EQ(page->currentPoem(), (generation::PoemKey{QStringLiteral("先秦"), QStringLiteral("佚名"), QStringLiteral("关雎")}));
    EXPECT_TRUE(child<QPlainTextEdit>(page, "DBMemo1")->toPlainText().startsWith(QStringLiteral("关关雎鸠")));
    // Another poet's 浣溪沙 is its own poem.
    ASSERT_TRUE(page->select({QStringLiteral("宋"), QStringLiteral("苏轼"), QStringLiteral("浣溪沙")}));
    EXPECT_TRUE(page->poemText().startsWith(QStringLiteral("山下兰芽")));
    EXPECT_EQ(page->titleList()->model()->rowCount(), 1);

    choose("唐", "李白", "静夜思");
    const auto &boxes = picker()->boxes();
    ASSERT_EQ(boxes.size(), 20u);
    EXPECT_EQ(boxes[5]->text(), QStringLiteral("疑"));
    EXPECT_EQ(boxes[5]->geometry().topLeft(), QPoint(20, 32));  // line 2
    EXPECT_EQ(boxes[10]->geometry().topLeft(), QPoint(20, 80)); // "。" CR LF: line 5
    // Ticking 明 at both places gives one entry.
    boxes[2]->setChecked(true);
    boxes[13]->setChecked(true);
    EXPECT_EQ(picker()->tickedText(), QStringLiteral("明明"));
    // Back and another poem: none of the old boxes or ticks remain.
    child<QPushButton>(picker(), "Button19")->click();
    EXPECT_EQ(window->currentPageName(), QStringLiteral("TabSheet4"));
    EXPECT_EQ(chooser()->currentPoem().title, QStringLiteral("静夜思"));
    choose("唐", "甲", "明华之一");
    EXPECT_EQ(picker()->boxes().size(), 10u);
    EXPECT_TRUE(picker()->tickedText().isEmpty());
}

TEST_F(PoetryPagesTest, SelectAllGivesEveryOrderedPairOfThePoemsDictionaryCharacters)
{
    start();
    choose("唐", "甲", "明华之一");
    child<QPushButton>(picker(), "Button26")->click();
    ModalAnswerer answerer;
    child<QPushButton>(picker(), "Button7")->click();
    waitForRunEnd(picker()->run());
    EXPECT_EQ(names(picker()->list()),
              QStringList({QStringLiteral("李明明"), QStringLiteral("李明华"), QStringLiteral("李华明"), QStringLiteral("李华华")}));
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("运算完毕！名字总数为4")}));
    child<QPushButton>(picker(), "Button27")->click();
    EXPECT_TRUE(picker()->tickedText().isEmpty());
}

TEST_F(PoetryPagesTest, APoetryRunEndsACustomRunWhoseListKeepsItsRowsAndBothPauseButtonsFollowTheRun)
{
    start();
    generation::CharSetRun *run = custom()->run();
    ASSERT_EQ(run, picker()->run());
    run->setSliceMs(0);
    child<QPlainTextEdit>(custom(), "Memo2")->setPlainText(QStringLiteral("明华文安宁心雨子一天成思乐"));
    ModalAnswerer answerer;
    child<QPushButton>(custom(), "Button6")->click();
    QPushButton *customPause = child<QPushButton>(custom(), "Button31");
    QPushButton *poetryPause = child<QPushButton>(picker(), "Button30");
    poetryPause->click();
    EXPECT_TRUE(run->isPaused());
    EXPECT_EQ(customPause->text(), QStringLiteral("恢复"));
    EXPECT_EQ(poetryPause->text(), QStringLiteral("恢复"));
    // Paused: the custom list may be sorted.
    child<QPushButton>(custom(), "Button32")->click();
    customPause->click();
    EXPECT_TRUE(run->isActive());
    EXPECT_EQ(poetryPause->text(), QStringLiteral("暂停"));
    ASSERT_TRUE(run->tick());
    const int kept = custom()->list()->size();
    EXPECT_LT(kept, 169);

    choose("唐", "甲", "明华之一");
    child<QPushButton>(picker(), "Button26")->click();
    child<QPushButton>(picker(), "Button7")->click();
    waitForRunEnd(run);
    EXPECT_EQ(custom()->list()->size(), kept);
    EXPECT_EQ(picker()->list()->size(), 4);
    EXPECT_EQ(answerer.texts().last(), QStringLiteral("运算完毕！名字总数为4"));
    EXPECT_FALSE(answerer.texts().contains(QStringLiteral("运算完毕！名字总数为169")));
    // "恢复" on a finished run does nothing and shows "暂停" again.
    poetryPause->setText(QStringLiteral("恢复"));
    poetryPause->click();
    EXPECT_TRUE(run->isFinished());
    EXPECT_EQ(poetryPause->text(), QStringLiteral("暂停"));
}

TEST_F(PoetryPagesTest, TheSearchSelectsAPoemInTheThreeLists)
{
    start();
    generation::PoemChooserPage *page = chooser();
    page->searchField()->setText(QStringLiteral("王维"));
    page->search();
    EXPECT_EQ(page->currentPoem(), (generation::PoemKey{QStringLiteral("唐"), QStringLiteral("王维"), QStringLiteral("相思")}));
    EXPECT_TRUE(page->poemText().startsWith(QStringLiteral("红豆生南国")));
    ModalAnswerer answerer;
    page->searchField()->setText(QStringLiteral("没有这首"));
    page->search();
    QTest::qWait(60);
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("没有找到与“没有这首”有关的诗词。")}));
}
