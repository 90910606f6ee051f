// The toolbar, the home page's buttons, and what showing a page does.
#include "ShellFixture.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace qiming;
using namespace qiming::test;

using Navigation = ShellFixture;

TEST_F(Navigation, StartsOnTheHomePageWithEveryWindowCreatedAndHidden)
{
    shell::MainWindow &w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("SorvaneZ2015.01   --  [ Quellith ] 监制"));
    EXPECT_EQ(w.currentPageName(), QStringLiteral("TabSheet11"));
    EXPECT_FALSE(child<QTabWidget>(&w, "PageControl1")->tabBar()->isVisible());
    const std::pair<const char *, const char *> windows[] = {
        {"TForm7", "个人信息设置"}, {"TForm8", "自选列表"}, {"TForm9", "新华字典"},
        {"TForm15", "查查新华字典里，名字的含义"}, {"TForm16", "人工取名"}, {"TForm13", "趣味工具"},
        {"TForm14", "星座分析"}, {"TForm2", "名字解析"}, {"TForm4", "超级吉祥筛选"}, {"TForm3", "常用字表"},
        {"TForm6", "超吉筛选"}};
    for (const auto &[name, caption] : windows) {
        QWidget *win = w.window(QString::fromLatin1(name));
        ASSERT_NE(win, nullptr) << name;
        EXPECT_EQ(win->windowTitle(), QString::fromUtf8(caption));
        EXPECT_FALSE(win->isVisible()) << name;
    }
    const char *pages[] = {"TabSheet11", "TabSheet6", "TabSheet1", "TabSheet3", "TabSheet4",
                           "TabSheet5", "TabSheet2", "TabSheet10", "TabSheet12", "TabSheet13"};
    auto *pageControl = child<QTabWidget>(&w, "PageControl1");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pageControl->widget(i)->objectName(), QString::fromLatin1(pages[i]));
}

TEST_F(Navigation, ButtonsLeadToTheirPagesAndWindows)
{
    shell::MainWindow &w = start();
    const std::pair<const char *, const char *> toPages[] = {
        {"ToolButton8", "TabSheet13"}, {"ToolButton2", "TabSheet12"}, {"ToolButton1", "TabSheet11"},
        {"BitBtn1", "TabSheet1"}, {"ToolButton1", "TabSheet11"}, {"BitBtn2", "TabSheet6"},
        {"ToolButton1", "TabSheet11"}, {"BitBtn3", "TabSheet4"}, {"ToolButton1", "TabSheet11"},
        {"BitBtn4", "TabSheet2"}, {"ToolButton1", "TabSheet11"}, {"BitBtn5", "TabSheet10"},
        {"ToolButton1", "TabSheet11"}, {"BitBtn6", "TabSheet3"}};
    for (const auto &[button, page] : toPages) {
        child<QToolButton>(&w, button)->click();
        EXPECT_EQ(w.currentPageName(), QString::fromLatin1(page)) << button;
    }
    ModalAnswerer answerer;
    for (const char *button : {"ToolButton7", "ToolButton4", "ToolButton3", "ToolButton5"})
        child<QToolButton>(&w, button)->click();
    EXPECT_EQ(answerer.windows(), (QStringList{QStringLiteral("TForm7"), QStringLiteral("TForm8"),
                                               QStringLiteral("TForm9"), QStringLiteral("TForm13")}));
}

TEST_F(Navigation, ShowingTheCurrentPageRunsNothing)
{
    shell::MainWindow &w = start();
    int runs = 0;
    w.setPageAction(QStringLiteral("TabSheet1"), [&runs] { ++runs; });
    w.showPage(QStringLiteral("TabSheet1"));
    w.showPage(QStringLiteral("TabSheet1"));
    EXPECT_EQ(runs, 1);
    w.showPage(QStringLiteral("TabSheet11"));
    w.showPage(QStringLiteral("TabSheet1"));
    EXPECT_EQ(runs, 2);
}

TEST_F(Navigation, BirthChartPageBringsTheStoredProfileBack)
{
    shell::MainWindow &w = start();
    profile::ensureProfileLoaded();
    profile::liveProfile().surname = QStringLiteral("王");
    profile::liveProfile().birthYear = QStringLiteral("2020");
    w.showPage(QStringLiteral("TabSheet13"));
    EXPECT_EQ(profile::liveProfile().surname, QStringLiteral("李"));
    EXPECT_EQ(profile::liveProfile().birthYear, QStringLiteral("2014"));
}

TEST_F(Navigation, EveryPageAndWindowIsReachableByKeyboard)
{
    shell::MainWindow &w = start();
    // A modal window closed leaves no window active offscreen: activate before each key, and
    // wait until the main window holds the focus, not merely calls itself active (on a loaded
    // machine the closed dialog's window may still have it, and the shortcut goes nowhere).
    const auto press = [&w](QKeySequence key) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor(
            [&w] { return !QApplication::activeModalWidget() && QGuiApplication::focusWindow() == w.windowHandle(); },
            5000));
        QTest::keySequence(&w, key);
        QApplication::processEvents();
    };
    press(QKeySequence(Qt::CTRL | Qt::Key_3));
    EXPECT_EQ(w.currentPageName().toStdString(), "TabSheet13");
    press(QKeySequence(Qt::CTRL | Qt::Key_4));
    EXPECT_EQ(w.currentPageName().toStdString(), "TabSheet12");
    press(QKeySequence(Qt::CTRL | Qt::Key_1));
    EXPECT_EQ(w.currentPageName().toStdString(), "TabSheet11");
    {
        ModalAnswerer answerer;
        for (Qt::Key k : {Qt::Key_2, Qt::Key_5, Qt::Key_6, Qt::Key_7})
            press(QKeySequence(Qt::CTRL | k));
        press(QKeySequence(Qt::Key_F1));
        EXPECT_EQ(answerer.windows(), (QStringList{QStringLiteral("TForm7"), QStringLiteral("TForm8"), QStringLiteral("TForm9"),
                                                   QStringLiteral("TForm13"), QStringLiteral("aboutWindow")}));
    }
    // The home page's mode buttons take the focus and Space presses them.
    auto *mode = child<QToolButton>(&w, "BitBtn2");
    EXPECT_EQ(mode->focusPolicy(), Qt::StrongFocus);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Space);
    EXPECT_EQ(w.currentPageName().toStdString(), "TabSheet6");
}
