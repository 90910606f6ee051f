// Writes the program's icon as PNG files of the desktop's usual sizes, for installing:
//   qiming-icons DIR   ->  DIR/<size>/qiming.png
#include "widgets/AppIcons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: qiming-icons DIR\n", stderr);
        return 2;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !qiming::widgets::applicationIconPixmap(size).save(dir + QStringLiteral("/qiming.png"))) {
            std::fprintf(stderr, "qiming-icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
