// The page "名字评分" end to end: typed name, score, report; and the meaning window.
#include "ShellFixture.h"

#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameMeaningWindow.h"
#include "numerology/ui/NameScoringPage.h"
#include "widgets/HtmlView.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QTest>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

using namespace qiming;
using namespace qiming::test;

class NameScoringTest : public ShellFixture {
protected:
    numerology::NameScoringPage *scoringPage()
    {
        window->showPage(QStringLiteral("TabSheet12"));
        return static_cast<numerology::NameScoringPage *>(window->page(QStringLiteral("TabSheet12")));
    }
    void type(const QString &surname, const QString &given)
    {
        child<QLineEdit>(scoringPage(), "Edit1")->setText(surname);
        child<QLineEdit>(scoringPage(), "Edit2")->setText(given);
    }
    numerology::AnalysisWindow *analysis()
    {
        return static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    }
    QString reportText() { return analysis()->view() ? analysis()->view()->toPlainText() : QString(); }
};

TEST_F(NameScoringTest, TypedNamesAreScoredByTheirLengthsAndReported)
{
    start();
    EXPECT_FALSE(analysis()->printButton()->isEnabled());
    type(QStringLiteral("王"), QStringLiteral("小明"));
    scoringPage()->scoreEnteredName();
    ASSERT_TRUE(analysis()->isVisible());
    EXPECT_TRUE(analysis()->printButton()->isEnabled());
    QString text = reportText();
    for (const char *part : {"王小明", "土-金-火", "4-3-8", "天格-> 5(土)", "人格-> 7(金)", "地格-> 11(木)", "外格-> 9(水)",
                             "总格-> 15(土)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;

    // A second report replaces the first in the same window.
    QTextBrowser *first = analysis()->view();
    type(QStringLiteral("欧阳"), QStringLiteral("明"));
    scoringPage()->scoreEnteredName();
    text = reportText();
    EXPECT_NE(analysis()->view(), first);
    EXPECT_TRUE(text.contains(QStringLiteral("欧阳明")));
    EXPECT_TRUE(text.contains(QStringLiteral("15-17-8")));
    EXPECT_TRUE(text.contains(QStringLiteral("天格-> 32(木)")));
    EXPECT_FALSE(text.contains(QStringLiteral("王小明")));
}

TEST_F(NameScoringTest, GirlsLonelyNumbersCountOnlyWhenChosen)
{
    start();
    // 欧阳王: 人格 17 + 4 = 21, a lonely number whose level is 大吉.
    const auto scoreFor = [this](int genderIndex) {
        child<QComboBox>(scoringPage(), "ComboBox1")->setCurrentIndex(genderIndex);
        type(QStringLiteral("欧阳"), QStringLiteral("王"));
        scoringPage()->scoreEnteredName();
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("姓名五格评分：(\\d+)")).match(reportText());
        return m.captured(1).toInt();
    };
    const int boy = scoreFor(0);
    const int girl = scoreFor(1);
    EXPECT_EQ(scoringPage()->genderCode(), QStringLiteral("nv"));
    // The fixture rates only 21 of these numbers: 100 × 5 / 21 for a boy, 50 × 5 / 21 for a girl.
    EXPECT_EQ(boy, 24);
    EXPECT_EQ(girl, 12);
    EXPECT_EQ(scoreFor(0), boy);
}

TEST_F(NameScoringTest, InputOutsideTheDictionaryIsRefused)
{
    start();
    for (const auto &[surname, given] : {std::pair{QStringLiteral("王"), QStringLiteral("a")},
                                         std::pair{QStringLiteral("王"), QStringLiteral("小 ")},
                                         std::pair{QString(), QStringLiteral("明")},
                                         std::pair{QStringLiteral("王"), QString()}}) {
        type(surname, given);
        ModalAnswerer answerer;
        scoringPage()->scoreEnteredName();
        ASSERT_EQ(answerer.texts().size(), 1);
        EXPECT_EQ(answerer.texts().first(), QStringLiteral("您的输入有误！"));
        EXPECT_EQ(answerer.captions().first(), QStringLiteral("提示"));
    }
    EXPECT_FALSE(analysis()->isVisible());
}

TEST_F(NameScoringTest, MeaningWindowShowsATabPerValidCharacter)
{
    start();
    auto *meaning = static_cast<numerology::NameMeaningWindow *>(window->window(QStringLiteral("TForm15")));
    type(QStringLiteral("王"), QString());
    scoringPage()->lookupNameMeaning();
    EXPECT_FALSE(meaning->isVisible());

    type(QStringLiteral("王"), QStringLiteral("明"));
    scoringPage()->lookupNameMeaning();
    ASSERT_TRUE(meaning->isVisible());
    EXPECT_TRUE(meaning->tabs()->isTabVisible(0));
    EXPECT_FALSE(meaning->tabs()->isTabVisible(1));
    EXPECT_EQ(meaning->tabs()->tabText(0), QStringLiteral("明"));

    type(QStringLiteral("王"), QStringLiteral("a乐"));
    scoringPage()->lookupNameMeaning();
    EXPECT_FALSE(meaning->tabs()->isTabVisible(0));
    EXPECT_TRUE(meaning->tabs()->isTabVisible(1));
    EXPECT_EQ(meaning->tabs()->currentIndex(), 1);
    EXPECT_EQ(meaning->tabs()->tabText(1), QStringLiteral("乐"));

    type(QStringLiteral("王"), QStringLiteral("小明"));
    scoringPage()->lookupNameMeaning();
    EXPECT_TRUE(meaning->tabs()->isTabVisible(0) && meaning->tabs()->isTabVisible(1));
    EXPECT_EQ(meaning->tabs()->currentIndex(), 1);
    auto *secondView = widgets::currentHtmlView(meaning->tabs()->widget(1));
    ASSERT_NE(secondView, nullptr);
    EXPECT_TRUE(secondView->toPlainText().contains(QStringLiteral("bright")));
}

TEST_F(NameScoringTest, AReportAskedForFromAModalWindowIsUsableOverIt)
{
    start();
    QDialog modal(window.get());
    modal.setObjectName(QStringLiteral("SomeModal"));
    bool checked = false;
    QTimer::singleShot(50, &modal, [&] {
        analysis()->showReportGuarded({QStringLiteral("王小明"), {}, QStringLiteral("土-金-火"), {}, QStringLiteral("4-3-8"),
                                    QStringLiteral("5-7-11-9-15"), QStringLiteral("92"), {}, 0});
        EXPECT_TRUE(analysis()->isVisible());
        EXPECT_EQ(analysis()->parentWidget(), &modal);
        checked = true;
        modal.reject();
    });
    modal.exec();
    EXPECT_TRUE(checked);
    // Without a modal window it belongs to the main window again.
    analysis()->showReportGuarded(
        {QStringLiteral("王小明"), {}, {}, {}, {}, QStringLiteral("5-7-11-9-15"), QStringLiteral("92"), {}, 0});
    EXPECT_EQ(analysis()->parentWidget(), window.get());
}

TEST_F(NameScoringTest, AReportPrintsToPdfAtReadableSize)
{
    start();
    type(QStringLiteral("王"), QStringLiteral("小明"));
    scoringPage()->scoreEnteredName();
    ASSERT_NE(analysis()->view(), nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file(QStringLiteral("report.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(widgets::printDocument(*analysis()->view()->document(), printer));
    const QByteArray pdf = readFileBytes(dir.file(QStringLiteral("report.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // The report fills about three A4 pages at its own sizes; specks would fit on one.
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
}

TEST_F(NameScoringTest, BoxesCountCharactersNotUnitsAndEnterScores)
{
    start();
    auto *given = child<QLineEdit>(scoringPage(), "Edit2");
    // An input method commits whole characters; 𠮷 is one character of two UTF-16 units.
    const auto commit = [given](const QString &text) {
        given->clear();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(given, &event);
        return given->text();
    };
    EXPECT_EQ(commit(QStringLiteral("𠮷野")), QStringLiteral("𠮷野"));
    EXPECT_EQ(commit(QStringLiteral("𠮷𠮷")), QStringLiteral("𠮷𠮷"));
    // Longer input is cut after two whole characters, never inside a pair.
    EXPECT_EQ(commit(QStringLiteral("𠮷𠮷𠮷")), QStringLiteral("𠮷𠮷"));
    EXPECT_EQ(commit(QStringLiteral("王𠮷𠮷")), QStringLiteral("王𠮷"));
    EXPECT_EQ(commit(QStringLiteral("小明王")), QStringLiteral("小明"));
    EXPECT_EQ(commit(QStringLiteral("王") + QChar(0xD842)), QStringLiteral("王"));

    type(QStringLiteral("王"), QStringLiteral("小明"));
    QTest::keyClick(given, Qt::Key_Return);
    ASSERT_TRUE(analysis()->isVisible());
    EXPECT_TRUE(reportText().contains(QStringLiteral("王小明")));
}
