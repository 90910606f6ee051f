// The windowed program started where no display can be reached.
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace qiming::test;

namespace {

QString unusedDisplay()
{
    for (int n = 87; n < 200; ++n)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    return {};
}

} // namespace

TEST(ProgramStart, NoDisplayOrADeadOneIsSaidOnOneLineInsteadOfAnAbort)
{
    const QString dead = unusedDisplay();
    ASSERT_FALSE(dead.isEmpty());
    const QList<std::pair<QString, QString>> cases = {
        {dead, QStringLiteral("没有可用的图形显示（DISPLAY=%1），无法启动窗口程序。"
                              "/ No usable display (DISPLAY=%1): cannot start the windowed program.").arg(dead)},
        {QString(), QStringLiteral("没有可用的图形显示，无法启动窗口程序。/ No usable display: cannot start the windowed program.")},
    };
    for (const auto &[display, message] : cases) {
        WorkingDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
            env.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(QIMING_APP), {});
        ASSERT_TRUE(p.waitForFinished(60000)) << display.toStdString();
        const QString err = QString::fromUtf8(p.readAllStandardError()).trimmed();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(p.exitCode(), 1) << err.toStdString();
        EXPECT_EQ(err.split(QLatin1Char('\n')).last(), message);
        // Nothing was created or changed where it was started.
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
}
