// The buttons and labels the naming pages build alike, named for the tests that find them.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace qiming::widgets {

QPushButton *pageButton(const char *name, const char *caption, QWidget *parent, int minimumWidth = 92);
// Green is the colour of the pages' counters and hints.
QLabel *pageLabel(const char *name, const QString &text, QWidget *parent, bool green = false);
// The filters' wrapped hints, blue unless told otherwise.
QLabel *hintLabel(const QString &text, QWidget *parent, const char *colour = "#1d4fb8");

} // namespace qiming::widgets
