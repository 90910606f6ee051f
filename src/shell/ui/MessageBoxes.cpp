#include "shell/ui/MessageBoxes.h"

#include <QMessageBox>

namespace qiming::shell {

namespace {

void show(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    box.exec();
}

} // namespace

void showInformation(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, QStringLiteral("提示"), text);
}

void showWarning(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Warning, QStringLiteral("警告"), text);
}

} // namespace qiming::shell
