// The program's message boxes: modal, one OK button, caption "提示" or "警告"; and the
// guard that shows an action's unhandled error in one and lets the program run on.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace qiming::widgets {

void showInformation(QWidget *parent, const QString &text);
void showWarning(QWidget *parent, const QString &text);
void showMessage(QWidget *parent, const QString &caption, const QString &text);
// Two buttons, OK and Cancel; true for OK.
bool askConfirmation(QWidget *parent, const QString &caption, const QString &text);

// Runs an action; a database, conversion or other error ends it with a box showing its text.
void runGuarded(QWidget *parent, const std::function<void()> &action);

} // namespace qiming::widgets
