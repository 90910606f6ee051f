// The page "经典模式", the condition filter and the super-auspicious filter in the running
// program: names keep the flags they were made with, the windows' controls and defaults,
// and windows opened from a filter window sit over it.
#include "ShellFixture.h"

#include "data/RowSet.h"
#include "generation/CandidateListModel.h"
#include "generation/ClassicNames.h"
#include "namelist/CandidateListView.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/HighScorePage.h"
#include "namelist/ListActions.h"
#include "numerology/SharedNumerology.h"
#include "numerology/ui/AnalysisWindow.h"
#include "review/ui/ConditionFilterWindow.h"
#include "review/ui/SuperAuspiciousWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>

using namespace qiming;
using namespace qiming::test;

class ClassicAndFiltersTest : public ShellFixture {
protected:
    ClassicAndFiltersTest() { tables = generationFixtureDir(); }
    generation::ClassicPage *classic()
    {
        window->showPage(QStringLiteral("TabSheet6"));
        return static_cast<generation::ClassicPage *>(window->page(QStringLiteral("TabSheet6")));
    }
    generation::HighScorePage *highScore()
    {
        window->showPage(QStringLiteral("TabSheet1"));
        return static_cast<generation::HighScorePage *>(window->page(QStringLiteral("TabSheet1")));
    }
    review::ConditionFilterWindow *conditionFilter()
    {
        return static_cast<review::ConditionFilterWindow *>(window->window(QStringLiteral("TForm4")));
    }
    review::SuperAuspiciousWindow *superFilter()
    {
        return static_cast<review::SuperAuspiciousWindow *>(window->window(QStringLiteral("TForm6")));
    }
    numerology::AnalysisWindow *analysis()
    {
        return static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    }
    template<typename T>
    T *in(QWidget *w, const QString &name)
    {
        T *found = w->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton *filterButton(const char *name) { return in<QPushButton>(conditionFilter(), QString::fromLatin1(name)); }
    void tick(const QString &name) { in<QCheckBox>(conditionFilter(), name)->setChecked(true); }
    // Opens the condition filter from a page's "筛选" and runs check while it is showing.
    void withConditionFilter(QPushButton *filter, const std::function<void()> &check)
    {
        bool ran = false;
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) {
            if (w != conditionFilter() || ran)
                return;
            ran = true;
            check();
        });
        filter->click();
        EXPECT_TRUE(ran) << "the condition filter did not open";
    }
    // Presses step 2 and runs check while the super-auspicious filter is showing; the
    // messages shown before it are returned.
    QStringList withSuperFilter(const std::function<void()> &check)
    {
        bool ran = false;
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) {
            if (w != superFilter() || ran)
                return;
            ran = true;
            check();
        });
        filterButton("superButton")->click();
        EXPECT_TRUE(ran) << "the super-auspicious filter did not open";
        return answerer.texts();
    }
    QStringList resultNames(const generation::CandidateListModel *list)
    {
        QStringList out;
        for (int r = 0; r < list->size(); ++r)
            out << list->candidate(r).scored.name;
        return out;
    }
    data::RowSet favourites()
    {
        return data::RowSet::load(data::sharedDatabase(), QStringLiteral("select *  from 自选列表 order by ID"));
    }
};

TEST_F(ClassicAndFiltersTest, TheClassicPageFillsItsTableAndOffersTheListActions)
{
    start();
    generation::ClassicPage *page = classic();
    EXPECT_EQ(in<QLabel>(page, QStringLiteral("Label35"))->text(), QStringLiteral("每次随机生成405个名字，祝您找到有缘分的名字    "));
    EXPECT_EQ(in<QLabel>(page, QStringLiteral("Label31"))->text(), namelist::kListHint);
    auto *menu = in<QMenu>(page, QStringLiteral("jingdianPopupMenu1"));
    QStringList entries;
    for (QAction *a : menu->actions())
        entries << a->text();
    EXPECT_EQ(entries, QStringList({"查看名字解析", "复制名字", "添加到自选列表", "查看自选列表"}));

    // Nothing in a cell: the actions do nothing.
    {
        ModalAnswerer answerer;
        page->actions()->copyName();
        page->actions()->addToFavourites();
        page->actions()->showAnalysis();
        EXPECT_TRUE(answerer.texts().isEmpty());
    }
    in<QPushButton>(page, QStringLiteral("Button9"))->click();
    QTableView *grid = in<QTableView>(page, QStringLiteral("StringGrid4"));
    ASSERT_EQ(grid->model()->rowCount(), 81);
    ASSERT_EQ(grid->model()->columnCount(), 5);
    for (int r = 0; r < 81; ++r)
        for (int c = 0; c < 5; ++c) {
            const QString name = page->names()->name(r, c);
            EXPECT_EQ(name.size(), 3);
            EXPECT_TRUE(name.startsWith(u'李'));
        }
}

TEST_F(ClassicAndFiltersTest, NamesKeepTheFlagsTheyWereDrawnWith)
{
    start();
    generation::ClassicPage *page = classic();
    in<QPushButton>(page, QStringLiteral("Button9"))->click();
    // The profile changes after the draw.
    profile::liveProfile().surname = QStringLiteral("欧阳");
    profile::liveProfile().givenNameLength = 1;
    profile::liveProfile().gender = QStringLiteral("nv");

    withConditionFilter(in<QPushButton>(page, QStringLiteral("Button25")), [&] {
        const generation::CandidateListModel *scored = page->scoredList();
        ASSERT_EQ(scored->size(), 405);
        EXPECT_EQ(window->conditionFilter()->source(), scored);
        for (int r = 0; r < scored->size(); ++r) {
            const numerology::ScoredName &row = scored->candidate(r).scored;
            const numerology::ScoredName own = numerology::scoreFullName(row.name, true, false, QStringLiteral("nan"));
            EXPECT_EQ(row.fiveGrids, own.fiveGrids) << row.name.toStdString();
            EXPECT_EQ(row.score, own.score) << row.name.toStdString();
        }
        // Rule A = 水 keeps exactly the rows whose first given character is 水 (华 and 文 here).
        tick(QStringLiteral("ruleA"));
        tick(QStringLiteral("ruleA水"));
        filterButton("elementsButton")->click();
        int expected = 0;
        for (int r = 0; r < scored->size(); ++r)
            expected += numerology::lookupHanzi(scored->candidate(r).scored.name.mid(1, 1)).element == u"水";
        const generation::CandidateListModel *results = conditionFilter()->results();
        EXPECT_GT(expected, 0);
        ASSERT_EQ(results->size(), expected);
        for (const QString &name : resultNames(results))
            EXPECT_TRUE(name.at(1) == u'华' || name.at(1) == u'文') << name.toStdString();
        // Another filter button starts again from the whole list.
        filterButton("strokesButton")->click();
        EXPECT_EQ(results->size(), 405);
    });

    // The report and the favourites take the draw's flags too.
    page->view()->setCurrentIndex(page->names()->index(0, 0));
    const QString name = page->currentName();
    ModalAnswerer answerer;
    page->actions()->addToFavourites();
    page->actions()->copyName();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("成功添加名字%1！").arg(name), QStringLiteral("已复制名字 %1 ！").arg(name)}));
    EXPECT_EQ(QApplication::clipboard()->text(), name);
    const data::RowSet rows = favourites();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.field(QStringLiteral("danxing")), QStringLiteral("true"));
    EXPECT_EQ(rows.field(QStringLiteral("danming")), QStringLiteral("false"));
    EXPECT_EQ(rows.field(QStringLiteral("xingbie")), QStringLiteral("nan"));
    emit page->view()->doubleClicked(page->view()->currentIndex());
    ASSERT_TRUE(analysis()->isVisible());
    const numerology::ScoredName own = numerology::scoreFullName(name, true, false, QStringLiteral("nan"));
    EXPECT_TRUE(analysis()->view()->toPlainText().contains(own.fiveGrids.section(u'-', 1, 1)));
}

TEST_F(ClassicAndFiltersTest, ConditionFilterControlsAndDefaults)
{
    start();
    withConditionFilter(in<QPushButton>(highScore(), QStringLiteral("Button8")), [&] {
        review::ConditionFilterWindow *w = conditionFilter();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("超级吉祥筛选"));
        EXPECT_EQ(w->results()->size(), 0);
        EXPECT_TRUE(w->results()->hasHeader());
        // Element boxes follow their rule.
        auto *element = in<QCheckBox>(w, QStringLiteral("ruleD金"));
        EXPECT_FALSE(element->isEnabled());
        tick(QStringLiteral("ruleD"));
        EXPECT_TRUE(element->isEnabled());
        // Ranges: 1-10, 1-10 and 10-30, enabled with their check box.
        const char *lists[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox6", "ComboBox5"};
        const char *values[] = {"1", "10", "1", "10", "10", "30"};
        for (int i = 0; i < 6; ++i) {
            auto *box = in<QComboBox>(w, QString::fromLatin1(lists[i]));
            EXPECT_EQ(box->currentText(), QString::fromLatin1(values[i])) << lists[i];
            EXPECT_FALSE(box->isEnabled()) << lists[i];
        }
        EXPECT_EQ(in<QComboBox>(w, QStringLiteral("ComboBox5"))->count(), 90);
        EXPECT_EQ(in<QComboBox>(w, QStringLiteral("ComboBox1"))->count(), 30);
        tick(QStringLiteral("totalStrokesCheck"));
        EXPECT_TRUE(in<QComboBox>(w, QStringLiteral("ComboBox6"))->isEnabled());
        const review::StrokeRules strokes = w->strokeRules();
        EXPECT_TRUE(strokes.total.on);
        EXPECT_EQ(strokes.total.low, 10);
        EXPECT_EQ(strokes.total.high, 30);
        // One character, which may be a surrogate pair.
        const QValidator *oneCharacter = in<QLineEdit>(w, QStringLiteral("Edit5"))->validator();
        ASSERT_NE(oneCharacter, nullptr);
        for (const auto &[text, kept] : {std::pair{QStringLiteral("𠮷"), QStringLiteral("𠮷")},
                                         std::pair{QStringLiteral("王明"), QStringLiteral("王")},
                                         std::pair{QStringLiteral("𠮷王"), QStringLiteral("𠮷")}}) {
            QString t = text;
            int pos = int(t.size());
            oneCharacter->validate(t, pos);
            EXPECT_EQ(t, kept) << text.toStdString();
        }

        // Step 2 on an empty result says so first, then opens.
        const QStringList texts = withSuperFilter([] {});
        EXPECT_EQ(texts, QStringList({QStringLiteral("超吉筛选是对下方表格的筛选，下方表格没有名字，超吉筛选也将筛选不到名字，"
                                                     "请先执行步骤1 条件筛选")}));
    });
}

TEST_F(ClassicAndFiltersTest, AGirlsListLosesItsLonelyNumbersAndWindowsOpenOverTheFilters)
{
    start();
    profile::ensureProfileLoaded();
    profile::liveProfile().gender = QStringLiteral("nv");
    generation::HighScorePage *page = highScore();
    // 李明明 has 总格 23, a lonely number whose level is allowed; 李明文 has none.
    page->list()->setIdentity({true, false, QStringLiteral("nv")});
    page->list()->appendCandidates({numerology::scoreFullName(QStringLiteral("李明明"), true, false, QStringLiteral("nv")),
                                    numerology::scoreFullName(QStringLiteral("李明文"), true, false, QStringLiteral("nv"))});
    ASSERT_EQ(page->list()->candidate(0).scored.fiveGrids, QStringLiteral("8-15-16-9-23"));

    QString favouritesOwner;
    withConditionFilter(in<QPushButton>(page, QStringLiteral("Button8")), [&] {
        filterButton("charactersButton")->click(); // nothing ticked: every row
        ASSERT_EQ(conditionFilter()->results()->size(), 2);
        withSuperFilter([&] {
            review::SuperAuspiciousWindow *w = superFilter();
            auto *lonely = in<QCheckBox>(w, QStringLiteral("CheckBox6"));
            EXPECT_TRUE(lonely->isEnabled());
            EXPECT_TRUE(lonely->isChecked());
            for (const char *name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox7", "CheckBox8"})
                EXPECT_TRUE(in<QCheckBox>(w, QString::fromLatin1(name))->isChecked()) << name;
            for (const char *name : {"CheckBox4", "CheckBox5", "CheckBox9"})
                EXPECT_FALSE(in<QCheckBox>(w, QString::fromLatin1(name))->isChecked()) << name;
            in<QPushButton>(w, QStringLiteral("Button1"))->click();
            EXPECT_EQ(resultNames(w->results()), QStringList({"李明文"}));
            EXPECT_EQ(w->results()->candidate(0).serial, QStringLiteral("2"));
            lonely->setChecked(false);
            in<QPushButton>(w, QStringLiteral("Button1"))->click();
            EXPECT_EQ(resultNames(w->results()), QStringList({"李明明", "李明文"}));

            // The report and the favourites opened from here sit over this window.
            namelist::CandidateListView *view = w->resultsView();
            view->setCurrentIndex(w->results()->index(0, 1));
            emit view->doubleClicked(view->currentIndex());
            ASSERT_TRUE(analysis()->isVisible());
            EXPECT_EQ(analysis()->parentWidget(), w);
            EXPECT_TRUE(analysis()->view()->toPlainText().contains(QStringLiteral("李明明")));
            ModalAnswerer inner;
            inner.onWindow([&](QWidget *favourites) { favouritesOwner = favourites->parentWidget()->objectName(); });
            view->actions()->showFavourites();
            analysis()->close();
        });
    });
    EXPECT_EQ(favouritesOwner, QStringLiteral("TForm6"));

    // A boy: the option is off and cannot be ticked.
    profile::liveProfile().gender = QStringLiteral("nan");
    withConditionFilter(in<QPushButton>(page, QStringLiteral("Button8")), [&] {
        withSuperFilter([&] {
            auto *lonely = in<QCheckBox>(superFilter(), QStringLiteral("CheckBox6"));
            EXPECT_FALSE(lonely->isEnabled());
            EXPECT_FALSE(lonely->isChecked());
            EXPECT_EQ(superFilter()->results()->size(), 0);
        });
    });
}
