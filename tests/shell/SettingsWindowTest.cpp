// The baby profile and its settings window.
#include "ShellFixture.h"

#include "data/RowSet.h"
#include "profile/ui/SettingsWindow.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace qiming;
using namespace qiming::test;

class SettingsTest : public ShellFixture {
protected:
    profile::SettingsWindow *settings()
    {
        return static_cast<profile::SettingsWindow *>(window->window(QStringLiteral("TForm7")));
    }
    // Shown without a modal loop, as the toolbar shows it but testable.
    profile::SettingsWindow *showSettings()
    {
        profile::SettingsWindow *s = settings();
        s->show();
        QApplication::processEvents();
        return s;
    }
    void choose(QWidget *parent, const char *listName, const QString &item)
    {
        auto *list = child<QComboBox>(parent, listName);
        list->setCurrentIndex(list->findText(item));
        emit list->activated(list->currentIndex());
    }
    data::RowSet storedRows()
    {
        return data::RowSet::load(data::sharedDatabase(), QStringLiteral("select * from 初始信息"));
    }
    // Presses "保存设置", answering the message box; returns its caption and text.
    QString save(profile::SettingsWindow *s)
    {
        ModalAnswerer answerer;
        child<QPushButton>(s, "Button4")->click();
        EXPECT_EQ(answerer.texts().size(), 1);
        return answerer.captions().value(0) + QLatin1Char(':') + answerer.texts().value(0);
    }
};

TEST_F(SettingsTest, StoredCompoundSurnameAndGirlAreShown)
{
    beforeStart([](data::Database &db) {
        db.exec(QStringLiteral("update 初始信息 set 姓氏=?, 性别=?, 年=?, 月=?, 日=?, 时=?, 分=?"),
                {QStringLiteral("欧阳"), QStringLiteral("nv"), QStringLiteral("2015"), QStringLiteral("2"),
                 QStringLiteral("28"), QStringLiteral("23"), QStringLiteral("0")});
    });
    start();
    profile::SettingsWindow *s = showSettings();
    const profile::BabyProfile &p = profile::liveProfile();
    EXPECT_EQ(p.surname, QStringLiteral("欧阳"));
    EXPECT_FALSE(p.singleSurname());
    EXPECT_EQ(p.gender, QStringLiteral("nv"));
    EXPECT_EQ(QStringList({p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute}).join(QLatin1Char(' ')),
              QStringLiteral("2015 2 28 23 0"));
    EXPECT_EQ(p.givenNameLength, 2);
    EXPECT_FALSE(p.fixedCharEnabled);
    EXPECT_TRUE(child<QRadioButton>(s, "RadioButton2")->isChecked());
    EXPECT_EQ(child<QLineEdit>(s, "editxs")->text(), QStringLiteral("欧阳"));
    EXPECT_EQ(child<QLineEdit>(s, "Edit10")->text(), QStringLiteral("28"));
}

TEST_F(SettingsTest, ImpossibleDateIsRefusedWithTheCalendarsMessageAndALeapDaySaves)
{
    start();
    profile::SettingsWindow *s = showSettings();
    choose(s, "ComboBox2", QStringLiteral("2015"));
    choose(s, "ComboBox3", QStringLiteral("2"));
    choose(s, "ComboBox4", QStringLiteral("29"));
    EXPECT_EQ(child<QLineEdit>(s, "Edit8")->text(), QStringLiteral("2015"));
    EXPECT_EQ(save(s), QStringLiteral("警告:您输入的时间不存在，请检查: 2015-2-29."));
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(storedRows().field(QStringLiteral("年")), QStringLiteral("2014"));

    choose(s, "ComboBox2", QStringLiteral("2016"));
    EXPECT_EQ(save(s), QStringLiteral("提示:成功保存信息！"));
    EXPECT_FALSE(s->isVisible());
    const data::RowSet stored = storedRows();
    EXPECT_EQ(stored.field(QStringLiteral("年")) + stored.field(QStringLiteral("月")) + stored.field(QStringLiteral("日")),
              QStringLiteral("2016229"));
}

TEST_F(SettingsTest, SurnameAndFixedCharacterAreCheckedInThatOrder)
{
    start();
    profile::SettingsWindow *s = showSettings();
    child<QLineEdit>(s, "editxs")->setText(QStringLiteral("a"));
    EXPECT_EQ(save(s), QStringLiteral("提示:姓氏输入不正确"));
    child<QLineEdit>(s, "editxs")->setText(QStringLiteral("王"));
    child<QCheckBox>(s, "CheckBox1")->setChecked(true);
    EXPECT_TRUE(child<QLineEdit>(s, "Editzd")->isEnabled());
    EXPECT_EQ(save(s), QStringLiteral("提示:指定字输入不正确"));
    // Typed, then unchecked: not in effect, not checked, not stored.
    child<QLineEdit>(s, "Editzd")->setText(QStringLiteral("x"));
    child<QCheckBox>(s, "CheckBox1")->setChecked(false);
    EXPECT_FALSE(child<QLineEdit>(s, "Editzd")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(s, "Editzd")->text(), QStringLiteral("x"));
    EXPECT_EQ(profile::effectiveFixedChar(), QString());
    EXPECT_EQ(save(s), QStringLiteral("提示:成功保存信息！"));
    EXPECT_EQ(storedRows().field(QStringLiteral("姓氏")), QStringLiteral("王"));
}

TEST_F(SettingsTest, LengthSwitchLeavesOnlyTheFirstPosition)
{
    start();
    profile::SettingsWindow *s = showSettings();
    auto *position = child<QComboBox>(s, "ComboBox1");
    child<QCheckBox>(s, "CheckBox1")->setChecked(true);
    position->setCurrentIndex(1);
    EXPECT_EQ(profile::liveProfile().fixedCharPosition, 2);
    child<QRadioButton>(s, "RadioButton5")->setChecked(true);
    EXPECT_EQ(position->count(), 1);
    EXPECT_EQ(position->currentText(), QStringLiteral("一"));
    EXPECT_EQ(profile::liveProfile().fixedCharPosition, 1);
    EXPECT_EQ(profile::liveProfile().givenNameLength, 1);
    child<QRadioButton>(s, "RadioButton6")->setChecked(true);
    EXPECT_EQ(position->count(), 2);
    EXPECT_EQ(position->currentIndex(), 0);
}

TEST_F(SettingsTest, UnsavedEditsAreLiveAndAnUnsavedGenderIsDiscardedOnShowing)
{
    start();
    profile::SettingsWindow *s = showSettings();
    child<QLineEdit>(s, "editxs")->setText(QStringLiteral("王"));
    child<QRadioButton>(s, "RadioButton2")->setChecked(true);
    EXPECT_EQ(profile::liveProfile().gender, QStringLiteral("nv"));
    s->hide();
    EXPECT_EQ(profile::liveProfile().surname, QStringLiteral("王")); // what a generation mode would use
    showSettings();
    EXPECT_EQ(profile::liveProfile().gender, QStringLiteral("nan"));
    EXPECT_EQ(child<QLineEdit>(s, "editxs")->text(), QStringLiteral("王"));
}

TEST_F(SettingsTest, UnknownStoredGenderSelectsNeitherAndSavingKeepsIt)
{
    beforeStart([](data::Database &db) { db.exec(QStringLiteral("update 初始信息 set 性别=?"), {QStringLiteral("x")}); });
    start();
    profile::SettingsWindow *s = showSettings();
    EXPECT_FALSE(child<QRadioButton>(s, "RadioButton1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(s, "RadioButton2")->isChecked());
    EXPECT_EQ(save(s), QStringLiteral("提示:成功保存信息！"));
    EXPECT_EQ(storedRows().field(QStringLiteral("性别")), QStringLiteral("x"));
}

TEST_F(SettingsTest, EmptyTableKeepsTheDefaultsAndTheFirstSaveInsertsTheRow)
{
    beforeStart([](data::Database &db) { db.exec(QStringLiteral("delete from 初始信息")); });
    start();
    profile::SettingsWindow *s = showSettings();
    EXPECT_EQ(profile::liveProfile().surname, QStringLiteral("李"));
    EXPECT_EQ(profile::liveProfile().birthYear, QStringLiteral("2014"));
    child<QRadioButton>(s, "RadioButton2")->setChecked(true);
    EXPECT_EQ(save(s), QStringLiteral("提示:成功保存信息！"));
    const data::RowSet stored = storedRows();
    ASSERT_EQ(stored.rowCount(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("姓氏")) + stored.field(QStringLiteral("性别")), QStringLiteral("李nv"));
}

TEST_F(SettingsTest, SavedSettingsSurviveARestart)
{
    start();
    profile::SettingsWindow *s = showSettings();
    child<QLineEdit>(s, "editxs")->setText(QStringLiteral("欧阳"));
    child<QRadioButton>(s, "RadioButton2")->setChecked(true);
    choose(s, "ComboBox5", QStringLiteral("23"));
    EXPECT_EQ(save(s), QStringLiteral("提示:成功保存信息！"));
    window->close();
    window.reset();
    profile::resetProfileForTests();

    start();
    showSettings();
    EXPECT_EQ(profile::liveProfile().surname, QStringLiteral("欧阳"));
    EXPECT_EQ(profile::liveProfile().gender, QStringLiteral("nv"));
    EXPECT_EQ(profile::liveProfile().birthHour, QStringLiteral("23"));
}

TEST_F(SettingsTest, ADatabaseErrorWhileSavingIsShownAndTheWindowStaysOpen)
{
    start();
    profile::SettingsWindow *s = showSettings();
    data::closeDatabase();
    const QString shown = save(s);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("警告:"))) << shown.toStdString();
    EXPECT_TRUE(s->isVisible());
}

TEST_F(SettingsTest, TheCalendarFillsTheListsAndTheLunarLineFollowsThem)
{
    start();
    profile::SettingsWindow *s = showSettings();
    auto *lunar = child<QLabel>(s, "lunarLine");
    // The fixture's 2014-8-8 at 8.
    EXPECT_EQ(lunar->text().toStdString(), "农历甲午年（马年）七月十三 辰时");

    ModalAnswerer answerer;
    answerer.onWindow([](QWidget *w) {
        auto *calendar = w->findChild<QCalendarWidget *>(QStringLiteral("birthCalendar"));
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->selectedDate(), QDate(2014, 8, 8));
        calendar->setSelectedDate(QDate(2024, 2, 10));
        emit calendar->clicked(QDate(2024, 2, 10));
    });
    s->chooseDateOnCalendar();
    EXPECT_EQ(answerer.windows(), QStringList{QStringLiteral("calendarPopup")});
    EXPECT_EQ(child<QLineEdit>(s, "Edit8")->text().toStdString(), "2024");
    EXPECT_EQ(child<QLineEdit>(s, "Edit9")->text().toStdString(), "2");
    EXPECT_EQ(child<QLineEdit>(s, "Edit10")->text().toStdString(), "10");
    EXPECT_EQ(child<QComboBox>(s, "ComboBox4")->currentText().toStdString(), "10");
    EXPECT_EQ(profile::liveProfile().birthDay.toStdString(), "10");
    EXPECT_EQ(lunar->text().toStdString(), "农历甲辰年（龙年）正月初一 辰时");

    // Hour 23 is the next day's 子时; a day the month lacks is said so.
    choose(s, "ComboBox5", QStringLiteral("23"));
    EXPECT_EQ(lunar->text().toStdString(), "农历甲辰年（龙年）正月初二 子时");
    choose(s, "ComboBox4", QStringLiteral("30"));
    EXPECT_EQ(lunar->text().toStdString(), "这一天不存在，请检查日期");
}
