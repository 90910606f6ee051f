// The box "关于": the program, its version and data, where every data package comes from and
// under which licence, and a plain word on what name numerology is.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace qiming::shell {

class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // The page as shown: read when the box opens, so the data stamp is the open file's.
    QString pageHtml() const;
    QTextBrowser *view() const { return m_view; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTextBrowser *m_view;
};

} // namespace qiming::shell
