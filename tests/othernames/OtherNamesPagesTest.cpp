// The pages "取小名" and "取英文名" in a running main window: messages, the grid, copying.
#include "../shell/ShellFixture.h"

#include "othernames/ui/EnglishNamePage.h"
#include "othernames/ui/NicknamePage.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace qiming;
using namespace qiming::othernames;

namespace {

class OtherNamesPages : public test::ShellFixture {
protected:
    void SetUp() override
    {
        tables = QStringLiteral(QIMING_TEST_FIXTURES "/othernames");
        ShellFixture::SetUp();
    }
    NicknamePage *nicknames()
    {
        start().showPage(QStringLiteral("TabSheet10"));
        return qobject_cast<NicknamePage *>(window->page(QStringLiteral("TabSheet10")));
    }
    EnglishNamePage *englishNames()
    {
        start().showPage(QStringLiteral("TabSheet2"));
        return qobject_cast<EnglishNamePage *>(window->page(QStringLiteral("TabSheet2")));
    }
    static QStringList rowTexts(QTableWidget *grid, int row)
    {
        QStringList out;
        for (int c = 0; c < grid->columnCount(); ++c)
            out << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
        return out;
    }
};

} // namespace

TEST_F(OtherNamesPages, GeneratingFillsThreeHundredNumberedRowsOfThePattern)
{
    NicknamePage *page = nicknames();
    ASSERT_TRUE(page);
    QTableWidget *grid = page->grid();
    ASSERT_EQ(grid->columnCount(), 8);
    QStringList header;
    for (int c = 0; c < 8; ++c)
        header << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(header, nicknameHeader());
    EXPECT_TRUE(page->patternButton(NicknamePattern::Double)->isChecked());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    page->patternButton(NicknamePattern::ErSuffix)->click();
    test::ModalAnswerer answerer;
    page->findChild<QPushButton *>(QStringLiteral("generateButton"))->click();
    EXPECT_TRUE(answerer.texts().isEmpty()) << answerer.texts().join(u'|').toStdString();
    ASSERT_EQ(grid->rowCount(), 300);
    int lastRank = 5;
    for (int r = 0; r < 300; ++r) {
        const QStringList row = rowTexts(grid, r);
        EXPECT_EQ(row[0], QString::number(r + 1));
        EXPECT_TRUE(row[1].endsWith(QStringLiteral("儿"))) << row[1].toStdString();
        EXPECT_LE(verdictRank(row[7]), lastRank) << r;
        lastRank = verdictRank(row[7]);
    }
}

TEST_F(OtherNamesPages, ATestedPetNameIsTheOnlyRowAndItsSurnameIsTheProfiles)
{
    NicknamePage *page = nicknames();
    ASSERT_TRUE(page);
    profile::ensureProfileLoaded();
    profile::liveProfile().surname = QStringLiteral("王"); // typed in the settings, not saved
    page->input()->setText(QStringLiteral("明明"));
    test::ModalAnswerer answerer;
    page->findChild<QPushButton *>(QStringLiteral("testButton"))->click();
    EXPECT_TRUE(answerer.texts().isEmpty());
    ASSERT_EQ(page->grid()->rowCount(), 1);
    EXPECT_EQ(rowTexts(page->grid(), 0),
              (QStringList{QStringLiteral("1"), QStringLiteral("明明"), QStringLiteral("míng-míng"),
                           QStringLiteral("火-火"), QStringLiteral("8-8"), QStringLiteral("8-8"),
                           QStringLiteral("数20"), QStringLiteral("大吉")}));
}

TEST_F(OtherNamesPages, AOneCharacterTestIsRefusedAndItsEmptyRowCopiesNothing)
{
    NicknamePage *page = nicknames();
    ASSERT_TRUE(page);
    page->input()->clear();
    page->input()->insert(QStringLiteral("明明明"));
    EXPECT_EQ(page->input()->text().toStdString(), "明明"); // two characters at most
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    page->input()->setText(QStringLiteral("明"));
    {
        test::ModalAnswerer answerer;
        page->findChild<QPushButton *>(QStringLiteral("testButton"))->click();
        EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("输入的小名有误！")});
        EXPECT_EQ(answerer.captions(), QStringList{QStringLiteral("提示")});
    }
    ASSERT_EQ(page->grid()->rowCount(), 1);
    EXPECT_EQ(rowTexts(page->grid(), 0).join(QString()), QString());

    test::ModalAnswerer answerer;
    page->copyNicknameRow(0);
    EXPECT_TRUE(answerer.texts().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(OtherNamesPages, DoubleClickingARowCopiesItsCellsSeparatedByTabs)
{
    NicknamePage *page = nicknames();
    ASSERT_TRUE(page);
    page->input()->setText(QStringLiteral("明明"));
    page->testNickname();
    test::ModalAnswerer answerer;
    QTableWidget *grid = page->grid();
    emit grid->cellDoubleClicked(0, 3);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("明明\tmíng-míng\t火-火\t8-8\t8-8\t数23\t凶"));
    emit grid->horizontalHeader()->sectionDoubleClicked(2);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("小名\t拼音\t五行\t简体笔画\t康熙笔画\t评价\t吉凶"));
    EXPECT_EQ(answerer.texts(), (QStringList{QStringLiteral("已复制小名 明明 的相关信息！"),
                                             QStringLiteral("已复制小名 小名 的相关信息！")}));
}

TEST_F(OtherNamesPages, EnglishNamesAreListedOrToldWhyNot)
{
    EnglishNamePage *page = englishNames();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->boyButton()->isChecked());
    QPushButton *suggest = page->findChild<QPushButton *>(QStringLiteral("Button28"));
    ASSERT_TRUE(suggest);
    EXPECT_EQ(suggest->text(), QStringLiteral("马上取英文名"));

    page->surnameField()->setText(QStringLiteral("李"));
    page->givenNameField()->setText(QStringLiteral("明"));
    suggest->click();
    EXPECT_EQ(page->resultBox()->toPlainText(), QStringLiteral("Michael 迈克尔\nMatthew 马修"));
    page->girlButton()->click();
    suggest->click();
    EXPECT_EQ(page->resultBox()->toPlainText(), QStringLiteral("Mia 米娅"));

    test::ModalAnswerer answerer;
    page->givenNameField()->clear();
    suggest->click();
    // Empty input leaves the box as it was.
    EXPECT_EQ(page->resultBox()->toPlainText(), QStringLiteral("Mia 米娅"));
    page->surnameField()->setText(QStringLiteral("龘"));
    page->givenNameField()->setText(QStringLiteral("x"));
    suggest->click();
    EXPECT_TRUE(page->resultBox()->toPlainText().isEmpty());
    EXPECT_EQ(answerer.texts(), (QStringList{QStringLiteral("请输入姓名！"), QStringLiteral("您的输入有误！")}));
}
