// The main window's start and end: the database connection and the "警告" message.
#include "TestSupport.h"
#include "ModalAnswerer.h"

#include "data/SharedDatabase.h"
#include "shell/MainWindow.h"

#include <gtest/gtest.h>

using namespace qiming;
using namespace qiming::test;

TEST(MainWindow, ConnectsAtCreationAndDisguisesTheFileWhenClosed)
{
    WorkingDir dir;
    buildFixtureDatabase(dir.file(data::kDatabaseFileName));
    ModalAnswerer answerer;
    {
        shell::MainWindow window;
        EXPECT_TRUE(window.isConnected());
        EXPECT_EQ(window.objectName(), QStringLiteral("TForm1"));
        EXPECT_EQ(headerOf(dir.file(data::kDatabaseFileName)), jetSignatureBytes());
        window.show();
        window.close();
        EXPECT_FALSE(window.isConnected());
        EXPECT_EQ(headerOf(dir.file(data::kDatabaseFileName)), disguisedHeaderBytes());
    }
    EXPECT_TRUE(answerer.texts().isEmpty());
}

TEST(MainWindow, WithoutAUsableFileWarnsOnceAndStillStarts)
{
    WorkingDir dir;
    ModalAnswerer answerer;
    shell::MainWindow window;
    window.show();
    EXPECT_FALSE(window.isConnected());
    ASSERT_EQ(answerer.texts().size(), 1);
    EXPECT_EQ(answerer.texts().first(), shell::kMissingDatabaseMessage);
    EXPECT_EQ(answerer.captions().first(), QStringLiteral("警告"));
    EXPECT_TRUE(window.isVisible());
}

TEST(MainWindow, SecondInstanceWarnsAndTheFirstKeepsItsFile)
{
    WorkingDir dir;
    const QString path = dir.file(data::kDatabaseFileName);
    buildFixtureDatabase(path);
    DatabaseHolder first(path);
    ASSERT_TRUE(first.holds());
    const QByteArray whileHeld = readFileBytes(path);

    ModalAnswerer answerer;
    {
        shell::MainWindow second;
        EXPECT_FALSE(second.isConnected());
        second.close();
    }
    ASSERT_EQ(answerer.texts().size(), 1);
    EXPECT_EQ(answerer.texts().first(), shell::kMissingDatabaseMessage);
    EXPECT_EQ(readFileBytes(path), whileHeld);
}
