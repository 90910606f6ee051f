#include "widgets/MessageBoxes.h"

#include "data/DatabaseError.h"

#include <QMessageBox>
#include <QPushButton>

namespace qiming::widgets {

namespace {

QMessageBox::Icon iconFor(const QString &caption)
{
    return caption == u"提示" ? QMessageBox::Information : QMessageBox::Warning;
}

} // namespace

void showMessage(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(iconFor(caption), caption, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    box.exec();
}

void showInformation(QWidget *parent, const QString &text)
{
    showMessage(parent, QStringLiteral("提示"), text);
}

void showWarning(QWidget *parent, const QString &text)
{
    showMessage(parent, QStringLiteral("警告"), text);
}

bool askConfirmation(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == ok;
}

void runGuarded(QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &e) {
        showWarning(parent, data::errorText(e));
    }
}

} // namespace qiming::widgets
