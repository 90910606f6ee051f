// The page "取英文名": English names for a typed Chinese name, independent of the profile.
#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qiming::othernames {

class EnglishNamePage final : public QWidget {
    Q_OBJECT
public:
    explicit EnglishNamePage(QWidget *parent = nullptr);

    void suggestEnglishNames();

    QLineEdit *surnameField() const { return m_surname; }
    QLineEdit *givenNameField() const { return m_given; }
    QRadioButton *boyButton() const { return m_boy; }
    QRadioButton *girlButton() const { return m_girl; }
    QPlainTextEdit *resultBox() const { return m_result; }

private:
    QLineEdit *m_surname;
    QLineEdit *m_given;
    QRadioButton *m_boy;
    QRadioButton *m_girl;
    QPushButton *m_suggest;
    QPlainTextEdit *m_result;
};

} // namespace qiming::othernames
