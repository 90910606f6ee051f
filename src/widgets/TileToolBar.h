// The program's toolbars of coloured tiles with a caption under each: the main window's and
// the fun tools'.
#pragma once

#include <QColor>
#include <QString>

class QToolBar;
class QToolButton;
class QWidget;

namespace qiming::widgets {

QToolBar *makeTileToolBar(const QString &objectName, QWidget *parent);
// A 67×47 button showing the sign (one or two characters) on a tile of the colour.
QToolButton *addTileButton(QToolBar *bar, const QString &objectName, const QString &caption, const QString &sign,
                           const QColor &colour);

} // namespace qiming::widgets
