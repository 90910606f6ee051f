// The favourites window: its list, each name analysed with its own flags and gender, copy,
// delete with the question; and a report opened from it stays usable.
#include "ShellFixture.h"

#include "data/RowSet.h"
#include "numerology/ui/AnalysisWindow.h"
#include "review/Favourites.h"
#include "review/ui/FavouritesWindow.h"
#include "widgets/HtmlView.h"

#include <QClipboard>
#include <QStringDecoder>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

using namespace qiming;
using namespace qiming::test;

class FavouritesTest : public ShellFixture {
protected:
    FavouritesTest() { tables = generationFixtureDir(); }
    review::FavouritesWindow *favourites()
    {
        return static_cast<review::FavouritesWindow *>(window->window(QStringLiteral("TForm8")));
    }
    numerology::AnalysisWindow *analysis()
    {
        return static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    }
    review::FavouritesWindow *showFavourites()
    {
        favourites()->show();
        QApplication::processEvents();
        return favourites();
    }
    int reportScore()
    {
        const QString text = analysis()->view()->toPlainText();
        return QRegularExpression(QStringLiteral("姓名五格评分：(\\d+)")).match(text).captured(1).toInt();
    }
    void add(const char *name, bool singleSurname, bool singleGiven, const char *gender)
    {
        review::addFavourite(QString::fromUtf8(name), {singleSurname, singleGiven, QString::fromUtf8(gender)});
    }
};

TEST_F(FavouritesTest, DuplicatesAreListedInOrderAndDeletingOneLeavesTheOther)
{
    start();
    add("李明明", true, false, "nan");
    add("李明明", true, false, "nan");
    add("李华", true, true, "nv");
    review::FavouritesWindow *w = showFavourites();
    ASSERT_EQ(w->list()->rowCount(), 3);
    EXPECT_EQ(w->list()->currentRow(), 0);
    EXPECT_EQ(child<QLineEdit>(w, "Edit1")->text(), QStringLiteral("李明明"));
    EXPECT_EQ(child<QLineEdit>(w, "Edit2")->text(), QStringLiteral("男"));

    {
        ModalAnswerer cancel;
        cancel.rejectQuestions(true);
        w->deleteCurrent();
        EXPECT_EQ(cancel.captions(), QStringList({QStringLiteral("确认信息框")}));
        EXPECT_EQ(cancel.texts(), QStringList({QStringLiteral("确实要删除该信息吗？")}));
    }
    EXPECT_EQ(w->list()->rowCount(), 3);
    {
        ModalAnswerer ok;
        w->list()->setCurrentCell(1, 0);
        w->deleteCurrent();
    }
    EXPECT_EQ(w->list()->rowCount(), 2);
    const data::RowSet stored = data::RowSet::load(data::sharedDatabase(), QStringLiteral("select *  from 自选列表 order by ID"));
    ASSERT_EQ(stored.rowCount(), 2);
    EXPECT_EQ(stored.value(0, QStringLiteral("名字")) + stored.value(1, QStringLiteral("名字")), QStringLiteral("李明明李华"));
}

TEST_F(FavouritesTest, EachNameIsAnalysedWithItsOwnSplitAndGender)
{
    start();
    // 欧阳王 as a compound surname with a one-character name: 人格 21, lonely for a girl.
    add("欧阳王", false, true, "nv");
    add("欧阳王", false, true, "nan");
    // A stored gender that is neither code (only another program could have written it).
    data::sharedDatabase().exec(QStringLiteral("insert into 自选列表 (名字, danxing, danming, xingbie) values (?, ?, ?, ?)"),
                                {QStringLiteral("李安"), QStringLiteral("true"), QStringLiteral("true"), QStringLiteral("x")});
    profile::ensureProfileLoaded();
    profile::liveProfile().surname = QStringLiteral("王");
    profile::liveProfile().givenNameLength = 2;
    review::FavouritesWindow *w = showFavourites();
    w->showAnalysis();
    ASSERT_TRUE(analysis()->view());
    EXPECT_TRUE(analysis()->view()->toPlainText().contains(QStringLiteral("天格-> 32")));
    const int girl = reportScore();
    w->list()->setCurrentCell(1, 0);
    w->showAnalysis();
    EXPECT_GT(reportScore(), girl);
    // Neither "nan" nor "nv": an empty gender field.
    w->list()->setCurrentCell(2, 0);
    EXPECT_TRUE(child<QLineEdit>(w, "Edit2")->text().isEmpty());

    ModalAnswerer answerer;
    w->copyName();
    EXPECT_EQ(answerer.texts(), QStringList({QStringLiteral("已复制名字李安 ！")}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("李安"));
}

TEST_F(FavouritesTest, AnEmptyListDoesNothing)
{
    start();
    review::FavouritesWindow *w = showFavourites();
    ModalAnswerer answerer;
    w->showAnalysis();
    w->copyName();
    w->deleteCurrent();
    EXPECT_TRUE(answerer.texts().isEmpty());
    EXPECT_FALSE(analysis()->isVisible());
}

TEST_F(FavouritesTest, AReportOpenedFromTheModalWindowCanBeScrolledPrintedAndClosed)
{
    start();
    add("李明明", true, false, "nan");
    bool checked = false;
    ModalAnswerer answerer;
    answerer.onWindow([&](QWidget *modal) {
        if (modal != favourites() || checked)
            return;
        checked = true;
        favourites()->showAnalysis();
        ASSERT_TRUE(analysis()->isVisible());
        EXPECT_EQ(analysis()->parentWidget(), favourites());
        QScrollBar *bar = analysis()->view()->verticalScrollBar();
        bar->setValue(bar->maximum());
        EXPECT_GT(bar->value(), 0);
        EXPECT_TRUE(analysis()->printButton()->isEnabled());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.file(QStringLiteral("favourite.pdf")));
        EXPECT_TRUE(widgets::printDocument(*analysis()->view()->document(), printer));
        analysis()->close();
        EXPECT_FALSE(analysis()->isVisible());
        EXPECT_TRUE(favourites()->isVisible());
    });
    window->showModal(QStringLiteral("TForm8"));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(readFileBytes(dir.file(QStringLiteral("favourite.pdf"))).startsWith("%PDF"));
}

TEST_F(FavouritesTest, TheListIsExportedInTheListsFormatAndPrintedAsATable)
{
    start();
    add("欧阳王", false, true, "nv");
    add("王小明", true, false, "nan"); // 小 and 明 are not in this fixture: listed, left unscored
    QString error;
    const QString path = dir.file(QStringLiteral("favourites.txt"));
    ASSERT_TRUE(review::exportFavourites(path, &error)) << error.toStdString();
    const QString text = QStringDecoder("GB18030").decode(readFileBytes(path));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    EXPECT_EQ(lines[0].toStdString(), "名字|性别|拼音|五行|简体笔画|康熙笔画|五格|评分|");
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("欧阳王|女|ōu-yáng-wáng|"))) << lines[1].toStdString();
    EXPECT_EQ(lines[2].toStdString(), "王小明|男|||||||");
    const QString html = review::favouritesHtml();
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 3);
    EXPECT_TRUE(html.contains(QStringLiteral("<td>欧阳王</td>")));
    // The open database is never an export target.
    EXPECT_FALSE(review::exportFavourites(dir.file(QStringLiteral("data.dll")), &error));
    EXPECT_FALSE(error.isEmpty());
}
