// A window of the window set whose contents come with its own part of the program.
#pragma once

#include <QDialog>

namespace qiming::shell {

class PlaceholderWindow final : public QDialog {
    Q_OBJECT
public:
    PlaceholderWindow(const QString &objectName, const QString &caption, QSize size, bool resizable,
                      QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace qiming::shell
