// Window tests run without a display, on the offscreen platform.
#include "ModalAnswerer.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The programs the tests start must never find, or change, the user's own database.
    QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    qiming::test::guardUnansweredModals();
    return RUN_ALL_TESTS();
}
