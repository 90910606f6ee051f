// The page "取小名": pet names drawn and judged with the profile's surname, a typed pet name
// tested, and a row copied by double click.
#pragma once

#include "othernames/Nicknames.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qiming::othernames {

class NicknamePage final : public QWidget {
    Q_OBJECT
public:
    explicit NicknamePage(QWidget *parent = nullptr);

    void generateNicknames();
    void testNickname();
    // The row's columns 1 to 7 to the clipboard; an empty row copies nothing.
    void copyNicknameRow(int row);
    void copyHeaderRow();
    void writeHeader();

    NicknamePattern pattern() const;
    QTableWidget *grid() const { return m_grid; }
    QLineEdit *input() const { return m_input; }
    QRadioButton *patternButton(NicknamePattern p) const;

private:
    void showRows(const std::vector<NicknameRow> &rows);
    void copyCells(const QStringList &cells);

    QRadioButton *m_double;
    QRadioButton *m_littlePrefix;
    QRadioButton *m_erSuffix;
    QPushButton *m_generate;
    QPushButton *m_test;
    QLineEdit *m_input;
    QTableWidget *m_grid;
};

} // namespace qiming::othernames
