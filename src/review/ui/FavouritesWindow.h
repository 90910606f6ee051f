// "自选列表": the favourite names, their analysis, copying and deleting.
#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace qiming::namelist {
class ListActions;
class NameListHost;
}

namespace qiming::review {

class FavouritesWindow final : public QDialog {
    Q_OBJECT
public:
    FavouritesWindow(namelist::NameListHost &host, QWidget *parent);

    // Re-reads the table; the first row becomes current.
    void refresh();
    void showAnalysis();
    void copyName();
    void deleteCurrent();
    // The favourites scored, in the lists' export format, to a file the user picks.
    void exportWithDialog();
    void printList();

    QTableWidget *list() const { return m_list; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    int currentRow() const;
    QString currentName() const;
    void showCurrent();

    QTableWidget *m_list;
    QLineEdit *m_name;
    QLineEdit *m_gender;
    namelist::ListActions *m_actions;
};

} // namespace qiming::review
