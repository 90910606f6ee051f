#include "widgets/TileToolBar.h"

#include "widgets/AppIcons.h"

#include <QToolBar>
#include <QToolButton>

namespace qiming::widgets {

QToolBar *makeTileToolBar(const QString &objectName, QWidget *parent)
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setIconSize(QSize(24, 24));
    bar->setStyleSheet(QStringLiteral("QToolButton { color: #1d4fb8; }"));
    return bar;
}

QToolButton *addTileButton(QToolBar *bar, const QString &objectName, const QString &caption, const QString &sign,
                           const QColor &colour)
{
    auto *b = new QToolButton(bar);
    b->setObjectName(objectName);
    b->setText(caption);
    b->setIcon(tileIcon(sign, colour));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(67, 47);
    bar->addWidget(b);
    return b;
}

} // namespace qiming::widgets
