// The program's message boxes: modal, one OK button, caption "提示" or "警告".
#pragma once

#include <QString>

class QWidget;

namespace qiming::shell {

void showInformation(QWidget *parent, const QString &text);
void showWarning(QWidget *parent, const QString &text);

} // namespace qiming::shell
