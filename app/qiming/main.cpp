// The windowed program. It works on "data.dll" in its working directory.
#include "data/DatabaseBuilder.h"
#include "shell/MainWindow.h"
#include "widgets/AppIcons.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// Qt aborts, core dump and all, when its platform cannot reach the display (a DISPLAY that is
// set but dead); run.sh and this say the same instead.
QtMessageHandler g_qtHandler = nullptr;
bool g_displayUnreachable = false;

void onStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("could not connect to display")))
        g_displayUnreachable = true;
    if (type == QtFatalMsg && g_displayUnreachable) {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty())
            std::fputs("没有可用的图形显示，无法启动窗口程序。/ No usable display: cannot start the windowed program.\n",
                       stderr);
        else
            std::fprintf(stderr,
                         "没有可用的图形显示（DISPLAY=%s），无法启动窗口程序。"
                         "/ No usable display (DISPLAY=%s): cannot start the windowed program.\n",
                         display.constData(), display.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (g_qtHandler)
        g_qtHandler(type, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any display is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("qiming %s（数据版本 %d / data version %d）\n", qPrintable(qiming::data::programVersion()),
                        qiming::data::compiledDataVersion(), qiming::data::compiledDataVersion());
            return 0;
        }
    }
    g_qtHandler = qInstallMessageHandler(onStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    QApplication::setApplicationName(QStringLiteral("qiming"));
    QApplication::setApplicationVersion(qiming::data::programVersion());
    QApplication::setWindowIcon(qiming::widgets::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("qiming"));
    qiming::widgets::installQtTranslations();
    // Left to fontconfig, Han characters may come out in Japanese glyph forms.
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
    font.setPixelSize(13);
    QApplication::setFont(font);

    qiming::shell::MainWindow window;

    // Ctrl+C or a logout closes the window the normal way, so the file is disguised again.
    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &window, [&window] {
            char buf[16];
            while (::read(g_signalPipe[0], buf, sizeof buf) > 0) {
            }
            window.close();
        });
        struct sigaction sa {};
        sa.sa_handler = onTerminationSignal;
        for (int sig : {SIGINT, SIGTERM, SIGHUP})
            ::sigaction(sig, &sa, nullptr);
    }

    window.show();
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    return app.exec();
}
