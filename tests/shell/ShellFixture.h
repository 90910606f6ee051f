// A running main window over small fixture tables, in a folder of its own.
#pragma once

#include "ModalAnswerer.h"
#include "TestSupport.h"

#include "birthchart/ui/BirthChartPanel.h"
#include "data/Database.h"
#include "data/SharedDatabase.h"
#include "profile/BabyProfile.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <memory>

namespace qiming::test {

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile::resetProfileForTests();
        buildFixtureDatabase(dir.file(data::kDatabaseFileName), QStringList{tables} + moreTables);
    }
    void TearDown() override
    {
        window.reset();
        profile::resetProfileForTests();
    }
    // Changes the stored rows before the program starts.
    void beforeStart(const std::function<void(data::Database &)> &change)
    {
        data::Database db;
        ASSERT_EQ(db.open(dir.file(data::kDatabaseFileName), data::kDatabasePassword), data::Database::OpenResult::Ok);
        change(db);
    }
    shell::MainWindow &start()
    {
        window = std::make_unique<shell::MainWindow>();
        window->show();
        QApplication::processEvents();
        return *window;
    }
    template<typename T>
    T *child(QWidget *parent, const char *name)
    {
        T *w = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A chart panel set to a birth time of its lists.
    static void choose(birthchart::BirthChartPanel *panel, int y, int m, int d, int h, int min)
    {
        panel->manualChoice()->setChecked(true);
        const int values[5] = {y, m, d, h, min};
        for (int i = 0; i < 5; ++i)
            panel->manualList(i)->setCurrentText(QString::number(values[i]));
    }

    QString tables = numerologyFixtureDir();
    QStringList moreTables; // folders whose tables the main one lacks
    WorkingDir dir;
    std::unique_ptr<shell::MainWindow> window;
};

} // namespace qiming::test
