#include "widgets/AppIcons.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qiming::widgets {

namespace {

QPixmap drawTile(const QString &sign, const QColor &colour, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0, colour.lighter(135));
    gradient.setColorAt(1, colour.darker(115));
    QPainterPath path;
    path.addRoundedRect(tile, size * 0.22, size * 0.22);
    p.fillPath(path, gradient);
    p.setPen(QPen(colour.darker(140), size / 24.0));
    p.drawPath(path);

    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setBold(true);
    font.setPixelSize(int(size * (sign.size() > 1 ? 0.42 : 0.6)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(tile, Qt::AlignCenter, sign);
    return pixmap;
}

} // namespace

namespace {

const QColor kApplicationColour(0xb8, 0x32, 0x2a);

} // namespace

QPixmap applicationIconPixmap(int size)
{
    return drawTile(QStringLiteral("名"), kApplicationColour, size);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationIconPixmap(size));
    return icon;
}

QIcon tileIcon(const QString &sign, const QColor &colour)
{
    QIcon icon;
    for (int size : {24, 48, 96})
        icon.addPixmap(drawTile(sign, colour, size));
    return icon;
}

bool installQtTranslations()
{
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace qiming::widgets
