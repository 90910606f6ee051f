// Poetry mode's two pages: "诗词模式" walks the poem table by dynasty, poet and title (or finds
// a poem by a search) and shows the poem; "诗词模式2" lays the chosen poem out as check boxes
// and forms names from the ticked characters with the character-set run.
#pragma once

#include "generation/PoemLibrary.h"

#include <QAbstractListModel>
#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTableView;

namespace qiming::namelist {
class CandidateListView;
class NameListHost;
}

namespace qiming::generation {

class CandidateListModel;
class CharSetRun;

// One column of texts under a title: the three lists of "诗词模式".
class TextColumnModel final : public QAbstractListModel {
    Q_OBJECT
public:
    TextColumnModel(const QString &title, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void setTexts(const QStringList &texts);
    const QStringList &texts() const { return m_texts; }

private:
    QString m_title;
    QStringList m_texts;
};

class PoemChooserPage final : public QWidget {
    Q_OBJECT
public:
    explicit PoemChooserPage(QWidget *parent = nullptr);
    ~PoemChooserPage() override;

    // Opens the dynasty list if it is not open: the first dynasty, poet and title are current.
    void open();
    // Makes a poem current in the three lists; false when one of them does not hold it.
    bool select(const PoemKey &poem);
    // The search field's words: one hit is selected, several are offered in a menu.
    void search();

    PoemKey currentPoem() const;
    QString poemText() const { return m_text; }
    QTableView *dynastyList() const { return m_dynasties; }
    QTableView *poetList() const { return m_poets; }
    QTableView *titleList() const { return m_titles; }
    QLineEdit *searchField() const { return m_searchField; }

signals:
    // "④选择这首诗→" with the text shown.
    void poemChosen(const QString &text);

private:
    void dynastyChanged();
    void poetChanged();
    void titleChanged();
    QString currentText(QTableView *view) const;

    std::unique_ptr<PoemLibrary> m_library;
    bool m_open = false;
    QTableView *m_dynasties;
    QTableView *m_poets;
    QTableView *m_titles;
    TextColumnModel *m_dynastyModel;
    TextColumnModel *m_poetModel;
    TextColumnModel *m_titleModel;
    QPlainTextEdit *m_memo;
    QLineEdit *m_searchField;
    QString m_text;
};

class PoemPickerPage final : public QWidget {
    Q_OBJECT
public:
    PoemPickerPage(CharSetRun *run, namelist::NameListHost &host, QWidget *parent = nullptr);

    CandidateListModel *list() const { return m_model; }
    CharSetRun *run() const { return m_run; }
    namelist::CandidateListView *view() const { return m_view; }
    const std::vector<QCheckBox *> &boxes() const { return m_boxes; }
    QScrollArea *pickerArea() const { return m_area; }

    // Discards the boxes and lays the poem out afresh, none ticked.
    void setPoem(const QString &text);
    void tickAll(bool ticked);
    // The captions of the ticked boxes in reading order.
    QString tickedText() const;
    // "生成名字"
    void generate();
    void togglePause();

signals:
    // "←重新选择诗词"
    void backRequested();

private:
    CharSetRun *m_run;
    CandidateListModel *m_model;
    namelist::CandidateListView *m_view;
    QScrollArea *m_area;
    std::vector<QCheckBox *> m_boxes;
    QPushButton *m_pause;
};

} // namespace qiming::generation
