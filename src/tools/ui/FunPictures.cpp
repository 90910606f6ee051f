#include "tools/ui/FunPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace qiming::tools {

namespace {

const QColor kRidge(0x6b, 0x4a, 0x2f);

void drawWhorl(QPainter &p, const QPointF &centre)
{
    // A spiral of ridges winding out from the core.
    QPainterPath path;
    for (int i = 0; i <= 720; ++i) {
        const double a = qDegreesToRadians(double(i) * 3);
        const double r = 2 + i * 0.055;
        const QPointF pt(centre.x() + r * std::cos(a) * 0.8, centre.y() + r * std::sin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    p.drawPath(path);
}

void drawLoop(QPainter &p, const QPointF &centre)
{
    // Nested ridges that come in from one side, turn and go back out the same side.
    for (int i = 0; i < 8; ++i) {
        const double w = 6 + i * 4.2;
        const double h = 8 + i * 5.0;
        QPainterPath path;
        path.moveTo(centre.x() + 34, centre.y() + h * 0.2 + 10);
        path.cubicTo(centre.x() - w * 1.6, centre.y() + h * 0.9, centre.x() - w * 1.6, centre.y() - h,
                     centre.x() + 34, centre.y() - h * 0.55 + 4);
        p.drawPath(path);
    }
}

} // namespace

QPixmap fingerprintKindsPicture()
{
    QPixmap pixmap(260, 118);
    pixmap.fill(QColor(0xfb, 0xf6, 0xec));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kRidge, 1.6));
    drawWhorl(p, {65, 50});
    drawLoop(p, {190, 52});
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 94, 130, 22), Qt::AlignCenter, QStringLiteral("斗（箩）：O"));
    p.drawText(QRectF(130, 94, 130, 22), Qt::AlignCenter, QStringLiteral("簸箕：X"));
    return pixmap;
}

QPixmap starSignsPicture()
{
    QPixmap pixmap(200, 120);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x1c, 0x22, 0x5a));
    sky.setColorAt(1, QColor(0x4a, 0x2f, 0x7a));
    p.fillRect(pixmap.rect(), sky);
    const QPointF left[] = {{22, 84}, {42, 52}, {66, 66}, {80, 34}};
    const QPointF right[] = {{120, 34}, {136, 70}, {160, 50}, {182, 86}};
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawPolyline(left, 4);
    p.drawPolyline(right, 4);
    p.setPen(QPen(QColor(0xff, 0xd7, 0x6e, 160), 1, Qt::DashLine));
    p.drawLine(left[3], right[0]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0xb0));
    for (const QPointF &s : left)
        p.drawEllipse(s, 3, 3);
    for (const QPointF &s : right)
        p.drawEllipse(s, 3, 3);
    // A small heart where the two meet.
    QPainterPath heart;
    const QPointF c(100, 28);
    heart.moveTo(c + QPointF(0, 6));
    heart.cubicTo(c + QPointF(-12, -2), c + QPointF(-6, -12), c + QPointF(0, -5));
    heart.cubicTo(c + QPointF(6, -12), c + QPointF(12, -2), c + QPointF(0, 6));
    p.setBrush(QColor(0xf0, 0x5a, 0x7e));
    p.drawPath(heart);
    p.setBrush(QColor(255, 255, 255, 90));
    for (const QPointF &s : {QPointF(12, 18), QPointF(58, 14), QPointF(150, 14), QPointF(100, 100), QPointF(190, 20),
                             QPointF(30, 110), QPointF(170, 108)})
        p.drawEllipse(s, 1.2, 1.2);
    return pixmap;
}

} // namespace qiming::tools
