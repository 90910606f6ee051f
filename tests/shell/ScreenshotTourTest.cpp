// Every new window and page drawn once, so a failure to lay out or render shows here.
// QIMING_SCREENSHOTS=DIR saves the pictures there, for looking at; QIMING_SCREENSHOT_DATABASE=FILE
// shows them over a copy of a built data.dll (real texts) instead of the fixtures. Run with
// QT_SCALE_FACTOR=2 to see them at 200 %.
#include "RecordingListHost.h"
#include "ShellFixture.h"

#include "birthchart/ui/BirthChartPage.h"
#include "birthchart/ui/BirthChartPanel.h"
#include "birthchart/ui/ManualNamingWindow.h"
#include "generation/CandidateListModel.h"
#include "namelist/CandidateListView.h"
#include "numerology/SharedNumerology.h"
#include "numerology/ui/AnalysisWindow.h"
#include "numerology/ui/NameScoringPage.h"
#include "review/ui/DictionaryWindow.h"
#include "profile/ui/SettingsWindow.h"
#include "widgets/AppIcons.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

using namespace qiming;
using namespace qiming::test;

class ScreenshotTour : public ShellFixture {
protected:
    ScreenshotTour() { moreTables << birthChartFixtureDir(); }

    void SetUp() override
    {
        ShellFixture::SetUp();
        const QString real = qEnvironmentVariable("QIMING_SCREENSHOT_DATABASE");
        if (real.isEmpty())
            return;
        const QString copy = dir.file(data::kDatabaseFileName);
        ASSERT_TRUE(QFile::remove(copy));
        ASSERT_TRUE(QFile::copy(real, copy));
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    void shoot(QWidget *w, const QString &name)
    {
        QApplication::processEvents();
        const QPixmap shot = w->grab();
        EXPECT_FALSE(shot.isNull()) << name.toStdString();
        const QString out = qEnvironmentVariable("QIMING_SCREENSHOTS");
        if (!out.isEmpty())
            EXPECT_TRUE(shot.save(QDir(out).filePath(name + QStringLiteral(".png")))) << name.toStdString();
    }
};

TEST_F(ScreenshotTour, NewPagesAndWindows)
{
    widgets::installQtTranslations();
    start();
    shoot(window.get(), QStringLiteral("main-window"));

    // The chart page for a birth ten minutes before 立春.
    window->showPage(QStringLiteral("TabSheet13"));
    auto *chart = static_cast<birthchart::BirthChartPage *>(window->page(QStringLiteral("TabSheet13")));
    choose(chart->panel(), 2024, 2, 4, 16, 17);
    ASSERT_TRUE(chart->panel()->compute());
    shoot(window.get(), QStringLiteral("chart-near-lichun"));

    // The readings of 2024-02-10.
    choose(chart->panel(), 2024, 2, 10, 12, 0);
    ASSERT_TRUE(chart->panel()->compute());
    QWidget *reading = window->window(QStringLiteral("TForm14"));
    chart->showZodiacReading();
    shoot(reading, QStringLiteral("reading-zodiac"));
    chart->showStarSignReading();
    shoot(reading, QStringLiteral("reading-star"));
    chart->showHistoryToday();
    shoot(reading, QStringLiteral("reading-history"));
    {
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) { shoot(w, QStringLiteral("reading-birthday")); });
        chart->showBirthdayReading();
    }
    reading->hide();

    // 人工取名 after both buttons.
    auto *naming = static_cast<birthchart::ManualNamingWindow *>(window->window(QStringLiteral("TForm16")));
    naming->show();
    choose(naming->panel(), 2024, 2, 10, 12, 0);
    ASSERT_TRUE(naming->panel()->compute());
    naming->computeFavourableElement();
    shoot(naming, QStringLiteral("manual-naming"));
    naming->hide();

    // A report with 八字与名字, scrolled to its end.
    window->showPage(QStringLiteral("TabSheet12"));
    auto *scoring = static_cast<numerology::NameScoringPage *>(window->page(QStringLiteral("TabSheet12")));
    scoring->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("王"));
    scoring->findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("小明"));
    scoring->scoreEnteredName();
    shoot(window.get(), QStringLiteral("scoring-page"));
    auto *analysis = static_cast<numerology::AnalysisWindow *>(window->window(QStringLiteral("TForm2")));
    ASSERT_TRUE(analysis->view());
    analysis->view()->find(QStringLiteral("八字与名字"));
    analysis->view()->ensureCursorVisible();
    shoot(analysis, QStringLiteral("report-chart-block"));
    analysis->hide();

    // 检索名字: one tab for each character of the given name.
    scoring->findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("梓萱"));
    scoring->lookupNameMeaning();
    shoot(window->window(QStringLiteral("TForm15")), QStringLiteral("name-meanings"));
    window->window(QStringLiteral("TForm15"))->hide();

    // 姓氏起源 of 欧阳, in the reading window.
    scoring->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("欧阳"));
    scoring->showSurnameOrigin();
    shoot(window->window(QStringLiteral("TForm14")), QStringLiteral("surname-origin"));
    window->window(QStringLiteral("TForm14"))->hide();

    // 新华字典: an entry, then a pinyin search.
    {
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) {
            auto *dictionary = static_cast<review::DictionaryWindow *>(w);
            dictionary->searchField()->setText(QStringLiteral("萱"));
            dictionary->lookup();
            shoot(w, QStringLiteral("dictionary-entry"));
            dictionary->searchField()->setText(QStringLiteral("xuan"));
            dictionary->lookup();
            shoot(w, QStringLiteral("dictionary-pinyin"));
        });
        window->findChild<QToolButton *>(QStringLiteral("ToolButton3"))->click();
    }

    // A list whose names have a compound surname.
    if (auto scored = numerology::scoreTypedName(QStringLiteral("欧阳"), QStringLiteral("王"), QStringLiteral("nan"))) {
        generation::CandidateListModel model;
        model.writeCandidateHeader();
        std::vector<numerology::ScoredName> names(6, *scored);
        model.appendCandidates(std::move(names));
        RecordingListHost host;
        namelist::CandidateListView view(&model, host, {QStringLiteral("StringGrid1"), QStringLiteral("menu"),
                                                    {40, 60, 70, 60, 60, 60, 60, 40}});
        view.resize(700, 220);
        view.show();
        EXPECT_GE(view.columnWidth(generation::Pinyin), view.fontMetrics().horizontalAdvance(scored->pinyin));
        shoot(&view, QStringLiteral("list-compound-surname"));
    }

    // Settings with the lunar line and the calendar.
    auto *settings = static_cast<profile::SettingsWindow *>(window->window(QStringLiteral("TForm7")));
    settings->show();
    shoot(settings, QStringLiteral("settings"));
    {
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) { shoot(w, QStringLiteral("settings-calendar")); });
        settings->chooseDateOnCalendar();
    }
    settings->hide();

    // 关于, and Qt's own dialogs.
    {
        ModalAnswerer answerer;
        answerer.onWindow([&](QWidget *w) { shoot(w, QStringLiteral("about")); });
        window->findChild<QToolButton *>(QStringLiteral("aboutButton"))->click();
    }
    QFileDialog files(window.get(), QStringLiteral("导出名字"), QDir::homePath());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.show();
    shoot(&files, QStringLiteral("file-dialog"));
    files.hide();
    QPrinter printer;
    QPrintDialog print(&printer, window.get());
    print.show();
    shoot(&print, QStringLiteral("print-dialog"));
    print.hide();
}
