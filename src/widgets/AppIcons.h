// The program's pictures, drawn by the program itself: a coloured tile with a sign on it.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace qiming::widgets {

// A square tile of the colour with the sign (one or two characters) in white.
QIcon tileIcon(const QString &sign, const QColor &colour);
// The program's own icon (the windows' and the desktop entry's): 名 on a deep red tile.
QIcon applicationIcon();
QPixmap applicationIconPixmap(int size);
// Qt's own dialogs (print, files, colours, message buttons) in Chinese, from the system's Qt
// translations; false when they are not installed.
bool installQtTranslations();

} // namespace qiming::widgets
