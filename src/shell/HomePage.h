// "首页": the introduction and the six mode buttons.
#pragma once

#include <QWidget>

class QToolButton;

namespace qiming::shell {

class HomePage final : public QWidget {
    Q_OBJECT
public:
    explicit HomePage(QWidget *parent = nullptr);

    // BitBtn1 … BitBtn6, left to right.
    QToolButton *modeButton(int index) const { return m_buttons.at(index); }

    static QString introduction();

private:
    std::vector<QToolButton *> m_buttons;
};

} // namespace qiming::shell
