#include "shell/PlaceholderWindow.h"

#include "widgets/WindowPlacement.h"

#include <QLabel>
#include <QVBoxLayout>

namespace qiming::shell {

namespace {

QLabel *comingLabel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<p style=\"font-size:20px; color:#555;\">%1</p>"
                                            "<p style=\"color:#888;\">此功能将在后续版本中提供。</p>")
                                 .arg(caption.toHtmlEscaped()),
                             parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

PlaceholderWindow::PlaceholderWindow(const QString &objectName, const QString &caption, QSize size, bool resizable,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    if (resizable)
        resize(size);
    else
        widgets::setFixedClientSize(this, size.width(), size.height());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(comingLabel(caption, this));
}

void PlaceholderWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    widgets::centerOnScreen(this);
}

} // namespace qiming::shell
