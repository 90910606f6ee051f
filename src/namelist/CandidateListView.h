// A candidate list on its page: read-only rows, the double click and the context menu that
// open the report, copy a name, add it to the favourites and show the favourites.
#pragma once

#include <QTableView>

#include <vector>

namespace qiming::generation {
class CandidateListModel;
}

namespace qiming::namelist {

using generation::CandidateListModel;
class ListActions;
class NameListHost;

class CandidateListView final : public QTableView {
    Q_OBJECT
public:
    struct Options {
        QString objectName;        // StringGrid1 …
        QString menuName;          // gaofenPopupMenu2 …
        std::vector<int> widths;   // of the eight columns
        bool spacedCopyMessage = true;
    };
    CandidateListView(CandidateListModel *model, NameListHost &host, const Options &options, QWidget *parent = nullptr);

    CandidateListModel *list() const { return m_model; }
    // The "名字" of the current row, or empty.
    QString currentName() const;

    ListActions *actions() const { return m_actions; }
    void showAnalysis();
    void copyName();
    void addToFavourites();
    // "按分数排序": refused while the list's run is active.
    void sortWithMessage(bool runActive);
    // The save dialog, then exportList; errors in a box.
    void exportWithDialog();

private:
    // Widens a column whose text in the rows from..to does not fit (a compound surname's
    // pinyin and grids); never narrows one below its set width.
    void fitColumnsToRows(int from, int to);

    CandidateListModel *m_model;
    ListActions *m_actions;
};

// The eight columns of the lists of every mode and filter.
inline const std::vector<int> kStandardColumnWidths = {53, 86, 108, 136, 149, 115, 84, 71};

inline const QString kListHint = QStringLiteral("提示：双击名字可以看到详细解释，点击右键可使用更多功能  ");

} // namespace qiming::namelist
