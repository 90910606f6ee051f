// "新华字典": a character's entry, or the characters read as a pinyin syllable; every
// character on a page is a link to its own entry.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace qiming::review {

class DictionaryWindow final : public QDialog {
    Q_OBJECT
public:
    explicit DictionaryWindow(QWidget *parent = nullptr);

    // "检索": one character shows its entry (an empty page when it has none); a pinyin
    // syllable lists the characters read so; an empty field does nothing.
    void lookup();
    // Shows a character's entry as if it had been typed.
    void openEntry(const QString &ch);

    QLineEdit *searchField() const { return m_field; }
    QTextBrowser *view() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPage(const QString &html);

    QLineEdit *m_field;
    QPushButton *m_search;
    QWidget *m_viewArea;
};

} // namespace qiming::review
