// The reading window "星座分析": an HTML view for the zodiac, star-sign, history and surname
// readings, and a plain-text box in front of it for the birthday reading.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QTextBrowser;

namespace qiming::birthchart {

class ReadingWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ReadingWindow(QWidget *parent = nullptr);

    // Shown without blocking, titled, with a new view loaded from the page, in front.
    void showHtml(const QString &title, const QString &html);
    // Hidden first, titled, the text box in front with the text, then shown modally.
    void showTextModal(const QString &title, const QString &text);

    QTextBrowser *view() const;
    QPlainTextEdit *textBox() const { return m_text; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_viewArea;
    QPlainTextEdit *m_text;
};

} // namespace qiming::birthchart
