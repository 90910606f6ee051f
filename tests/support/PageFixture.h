// One page or window built alone over small fixture tables, without the main window: the
// shared connection and the profile as the program sets them up, and a host that records
// what the page's lists ask for.
#pragma once

#include "ModalAnswerer.h"
#include "RecordingListHost.h"
#include "TestSupport.h"

#include "data/SharedDatabase.h"
#include "profile/BabyProfile.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace qiming::test {

class PageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile::resetProfileForTests();
        buildFixtureDatabase(dir.file(data::kDatabaseFileName), tables);
        ASSERT_TRUE(data::openDatabase());
    }
    void TearDown() override
    {
        data::closeDatabase();
        profile::resetProfileForTests();
    }
    template<typename T>
    T *child(QWidget *parent, const char *name)
    {
        T *w = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString tables = numerologyFixtureDir();
    WorkingDir dir;
    RecordingListHost host;
};

} // namespace qiming::test
