// A drop-down of consecutive numbers, as the birth-date fields use.
#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace qiming::widgets {

// first … last with chosen current (first when out of range), showing maxVisible rows at a
// time: the popup is a list, not (as the Fusion style draws a non-editable box) a menu as tall
// as the screen, which the 176 years would fill.
QComboBox *makeNumberList(const QString &objectName, int first, int last, int maxVisible, QWidget *parent,
                          int chosen = 0);

} // namespace qiming::widgets
