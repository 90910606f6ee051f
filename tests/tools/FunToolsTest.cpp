// The fun tools window over small fixture tables: the toolbar and its pages, the lookups and
// their messages.
#include "TestSupport.h"
#include "ModalAnswerer.h"

#include "data/Database.h"
#include "data/SharedDatabase.h"
#include "tools/FunLookups.h"
#include "tools/ui/FunToolsWindow.h"
#include "tools/WeddingDays.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace qiming;
using namespace qiming::test;

namespace {

QString toolsFixtureDir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/tools");
}

std::string text(const QString &s)
{
    return s.toStdString();
}

class FunToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        buildFixtureDatabase(dir.file(data::kDatabaseFileName), toolsFixtureDir());
        ASSERT_TRUE(data::openDatabase());
        window = std::make_unique<tools::FunToolsWindow>(nullptr);
    }
    void TearDown() override
    {
        window.reset();
        data::closeDatabase();
    }
    template<typename T>
    T *child(const char *name)
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void show()
    {
        window->show();
        QApplication::processEvents();
    }
    // The texts of the message boxes the action brought up.
    QStringList press(const char *buttonName)
    {
        ModalAnswerer answerer;
        child<QPushButton>(buttonName)->click();
        QApplication::processEvents();
        return answerer.texts();
    }

    WorkingDir dir;
    std::unique_ptr<tools::FunToolsWindow> window;
};

} // namespace

TEST_F(FunToolsTest, EightPicturedButtonsChooseThePagesAndTheLastPageIsKept)
{
    const QStringList captions{QStringLiteral("黄道吉日"), QStringLiteral("节日大全"), QStringLiteral("生肖运程"),
                               QStringLiteral("生肖纪年"), QStringLiteral("指纹预测"), QStringLiteral("星座配对"),
                               QStringLiteral("生男生女"), QStringLiteral("血型配对")};
    auto *pages = child<QTabWidget>("funPages");
    EXPECT_TRUE(pages->tabBar()->isHidden());
    EXPECT_EQ(text(window->windowTitle()), "趣味工具");
    EXPECT_EQ(window->objectName(), QStringLiteral("TForm13"));
    show();
    EXPECT_EQ(pages->currentIndex(), 0);
    for (int i = 0; i < 8; ++i) {
        auto *b = child<QToolButton>(QStringLiteral("funToolButton%1").arg(i + 1).toLatin1().constData());
        EXPECT_EQ(b->text(), captions.at(i));
        EXPECT_FALSE(b->icon().isNull());
        b->click();
        EXPECT_EQ(pages->currentIndex(), i);
        EXPECT_EQ(pages->tabText(i), tools::FunToolsWindow::pageCaptions().at(i));
    }
    child<QToolButton>("funToolButton5")->click();
    window->hide();
    show();
    EXPECT_EQ(pages->currentIndex(), 4);
    EXPECT_TRUE(child<QToolButton>("funToolButton5")->isChecked());
}

TEST_F(FunToolsTest, TheWeddingPageOpensOnThisYearAndFollowsTheYearList)
{
    show();
    auto *years = child<QComboBox>("yearList");
    ASSERT_EQ(years->count(), tools::kLastAlmanacYear - tools::kFirstAlmanacYear + 1);
    EXPECT_EQ(years->itemData(0).toInt(), 2015);
    const int thisYear = std::clamp(QDate::currentDate().year(), tools::kFirstAlmanacYear, tools::kLastAlmanacYear);
    EXPECT_EQ(years->currentData().toInt(), thisYear);
    auto *memo = child<QPlainTextEdit>("weddingText");
    EXPECT_EQ(memo->toPlainText(), tools::weddingDayText(thisYear));
    years->setCurrentIndex(0);
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("2015年结婚黄道吉日表\n\n2015年01月04日 ")));
}

TEST_F(FunToolsTest, TheZodiacFortunesListTheTableAndShowTheChosenRow)
{
    show();
    child<QToolButton>("funToolButton3")->click();
    auto *animals = child<QComboBox>("zodiacList");
    ASSERT_EQ(animals->count(), 2);
    EXPECT_EQ(text(animals->itemText(1)), "牛");
    auto *fortune = child<QPlainTextEdit>("fortuneText");
    EXPECT_EQ(text(fortune->toPlainText()), "鼠年运势测试文字。");
    window->showZodiacFortune(1);
    EXPECT_EQ(text(fortune->toPlainText()), "牛年运势测试文字。");
}

TEST_F(FunToolsTest, AFingerprintCodeIsLookedUpAsTypedAndAQuoteIsJustACharacter)
{
    show();
    auto *code = child<QLineEdit>("fingerprintEdit");
    auto *type = child<QLabel>("fingerprintTypeLabel");
    auto *reading = child<QLabel>("fingerprintReadingLabel");
    EXPECT_EQ(code->maxLength(), 5);
    EXPECT_EQ(text(type->text()), "指纹类型：");

    code->setText(QStringLiteral("ooxxo")); // the keys compare without ASCII case
    EXPECT_TRUE(press("fingerprintButton").isEmpty());
    EXPECT_EQ(text(type->text()), "指纹类型：OOXXO");
    EXPECT_EQ(text(reading->text()), "性格分析：测试解析一。");

    for (const char *bad : {"O'XXO", "OOOOO", "", "'"}) {
        code->setText(QString::fromUtf8(bad));
        EXPECT_EQ(press("fingerprintButton"), QStringList{QStringLiteral("输入有误，请检查")}) << bad;
        EXPECT_EQ(text(type->text()), "指纹类型：OOXXO") << bad;
        EXPECT_EQ(text(reading->text()), "性格分析：测试解析一。") << bad;
    }
}

// The page says "仅供娱乐参考" once: its own note gives way to a reading that carries it.
TEST_F(FunToolsTest, TheEntertainmentNoteIsNotSaidTwice)
{
    show();
    window->showToolPage(4);
    auto *code = child<QLineEdit>("fingerprintEdit");
    auto *note = child<QWidget>("funPage5")->findChild<QLabel *>(QStringLiteral("entertainmentNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    const struct {
        const char *code;
        bool noteShown;
    } cases[] = {{"XXXXX", false}, {"OOXXO", true}, {"XXXXX", false}, {"O'XXO", false}};
    for (const auto &c : cases) {
        code->setText(QString::fromUtf8(c.code));
        press("fingerprintButton");
        EXPECT_EQ(note->isVisible(), c.noteShown) << c.code;
    }
}

TEST_F(FunToolsTest, StarSignPairsIncludingEqualSignsAndPairsWithoutARow)
{
    show();
    auto *mine = child<QComboBox>("mySignList");
    auto *partner = child<QComboBox>("partnerSignList");
    ASSERT_EQ(mine->count(), 12);
    EXPECT_EQ(text(mine->currentText()), "白羊座");
    EXPECT_EQ(text(partner->itemText(11)), "双鱼座");
    auto *title = child<QLabel>("starTitleLabel");
    EXPECT_EQ(text(title->text()), "星座配对结果：");

    EXPECT_TRUE(press("starButton").isEmpty());
    EXPECT_EQ(text(title->text()), "星座配对结果： 白羊配白羊");
    EXPECT_EQ(text(child<QLabel>("starContentLabel")->text()), "同为白羊。");
    EXPECT_EQ(text(child<QPlainTextEdit>("starText")->toPlainText()), "两个白羊的长文。");

    partner->setCurrentIndex(1);
    press("starButton");
    EXPECT_EQ(text(title->text()), "星座配对结果： 白羊配金牛");

    // The order of the pair counts: 金牛 with 白羊 has no row here, and shows nothing.
    mine->setCurrentIndex(1);
    partner->setCurrentIndex(0);
    EXPECT_TRUE(press("starButton").isEmpty());
    EXPECT_EQ(text(title->text()), "星座配对结果： ");
    EXPECT_TRUE(child<QLabel>("starContentLabel")->text().isEmpty());
    EXPECT_TRUE(child<QPlainTextEdit>("starText")->toPlainText().isEmpty());
}

TEST_F(FunToolsTest, TheBoyOrGirlTableAnswersOnlyWhatItHolds)
{
    show();
    auto *age = child<QComboBox>("ageList");
    auto *month = child<QComboBox>("monthList");
    ASSERT_EQ(age->count(), 28);
    EXPECT_EQ(text(age->currentText()), "18");
    EXPECT_EQ(text(age->itemText(27)), "45");
    ASSERT_EQ(month->count(), 12);
    EXPECT_EQ(text(month->currentText()), "1");
    auto *result = child<QLabel>("babyResultLabel");
    EXPECT_EQ(text(result->text()), "预测结果：");

    struct Case {
        const char *age;
        int month;
        const char *result;
    };
    const std::string boy = "预测结果：恭喜您，根据预测表，您可能会有一个小王子！";
    const std::string girl = "预测结果：恭喜您，根据预测表，您可能会有一个小公主！";
    const std::string none = "预测结果：预测表中没有这个年龄和月份的数据。";
    const Case cases[] = {
        {"18", 1, boy.c_str()},  {"18", 2, girl.c_str()}, {"18", 12, girl.c_str()}, {"19", 4, boy.c_str()},
        {"19", 2, none.c_str()}, // a cell that is neither 男 nor 女
        {"19", 3, none.c_str()}, // an empty cell
        {"20", 1, none.c_str()}, // an age without a row
    };
    for (const Case &c : cases) {
        age->setCurrentText(QString::fromUtf8(c.age));
        month->setCurrentIndex(c.month - 1);
        EXPECT_TRUE(press("babyButton").isEmpty());
        EXPECT_EQ(text(result->text()), c.result) << c.age << " " << c.month;
    }
}

TEST_F(FunToolsTest, TheMonthIsReadFromItsOwnColumnWhereverTheColumnStands)
{
    // The same rows in a table whose columns stand in another order.
    data::Database &db = data::sharedDatabase();
    db.exec(QStringLiteral("drop table 生男生女"));
    QStringList columns{QStringLiteral("\"十二月\" text"), QStringLiteral("nn text")};
    for (const QString &m : tools::monthColumns().mid(0, 11))
        columns << QStringLiteral("\"%1\" text").arg(m);
    columns << QStringLiteral("ID integer");
    db.exec(QStringLiteral("create table 生男生女 (%1)").arg(columns.join(QStringLiteral(", "))));
    QVariantList values{QStringLiteral("男"), QStringLiteral("30")};
    for (int m = 1; m <= 11; ++m)
        values << (m == 3 ? QStringLiteral("男") : QStringLiteral("女"));
    values << 1;
    db.exec(QStringLiteral("insert into 生男生女 values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"), values);

    EXPECT_EQ(tools::predictBaby(db, QStringLiteral("30"), 3), tools::BabyPrediction::Boy);
    EXPECT_EQ(tools::predictBaby(db, QStringLiteral("30"), 12), tools::BabyPrediction::Boy);
    EXPECT_EQ(tools::predictBaby(db, QStringLiteral("30"), 1), tools::BabyPrediction::Girl);
    EXPECT_EQ(tools::predictBaby(db, QStringLiteral("30"), 13), tools::BabyPrediction::NoData);
}

TEST_F(FunToolsTest, BloodTypesShowThePairAndTheContentOnceHoweverOftenPressed)
{
    show();
    auto *man = child<QComboBox>("manBloodList");
    auto *woman = child<QComboBox>("womanBloodList");
    ASSERT_EQ(man->count(), 4);
    EXPECT_EQ(text(man->currentText()), "A");
    EXPECT_EQ(text(woman->itemText(3)), "AB");
    EXPECT_EQ(text(child<QLabel>("bloodPairLabel")->text()), "配对血型为：");
    EXPECT_EQ(text(child<QLabel>("bloodTitleLabel")->text()), "总体评价：");

    press("bloodButton");
    EXPECT_TRUE(press("bloodButton").isEmpty());
    EXPECT_EQ(text(child<QLabel>("bloodPairLabel")->text()), "配对血型为：  男方血型为 A；  女方血型为 A");
    EXPECT_EQ(text(child<QLabel>("bloodTitleLabel")->text()), "总体评价：    A配A");
    EXPECT_EQ(text(child<QPlainTextEdit>("bloodText")->toPlainText()), "A与A的评价。");

    woman->setCurrentIndex(3);
    press("bloodButton");
    EXPECT_EQ(text(child<QLabel>("bloodPairLabel")->text()), "配对血型为：  男方血型为 A；  女方血型为 AB");
    EXPECT_EQ(text(child<QLabel>("bloodTitleLabel")->text()), "总体评价：    ");
    EXPECT_TRUE(child<QPlainTextEdit>("bloodText")->toPlainText().isEmpty());
}

// QIMING_SCREENSHOTS=DIR saves a picture of every page there, for looking at;
// QIMING_SCREENSHOT_DATABASE=FILE shows the pages over a copy of a built data.dll instead of the
// fixtures, so the real texts can be checked for fit.
TEST_F(FunToolsTest, PagesRenderForScreenshots)
{
    const QString out = qEnvironmentVariable("QIMING_SCREENSHOTS");
    const QString real = qEnvironmentVariable("QIMING_SCREENSHOT_DATABASE");
    if (!real.isEmpty()) {
        window.reset();
        data::closeDatabase();
        const QString copy = dir.file(data::kDatabaseFileName);
        ASSERT_TRUE(QFile::remove(copy));
        ASSERT_TRUE(QFile::copy(real, copy)) << text(real);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(data::openDatabase());
        window = std::make_unique<tools::FunToolsWindow>(nullptr);
    }
    show();
    const char *presses[] = {nullptr, nullptr, nullptr, nullptr, "fingerprintButton", "starButton", "babyButton", "bloodButton"};
    child<QLineEdit>("fingerprintEdit")->setText(QStringLiteral("OOXXO"));
    for (int i = 0; i < 8; ++i) {
        window->showToolPage(i);
        if (presses[i])
            press(presses[i]);
        QApplication::processEvents();
        const QPixmap shot = window->grab();
        EXPECT_FALSE(shot.isNull());
        if (!out.isEmpty())
            shot.save(QDir(out).filePath(QStringLiteral("fun-tools-%1.png").arg(i + 1)));
    }
}
