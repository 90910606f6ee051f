// The actions every name list offers, whatever filled it: the report of the current name
// (also on double click), copying the name, adding it to the favourites, showing the
// favourites, exporting the list; and the hand-off of a list to the condition filter.
#pragma once

#include "generation/NameCandidate.h"

#include <QObject>

#include <functional>

class QAbstractItemView;
class QMenu;

namespace qiming::generation {
class CandidateListModel;
}

namespace qiming::namelist {

using generation::CandidateListModel;
using generation::RunIdentity;

class ListActions final : public QObject {
    Q_OBJECT
public:
    struct Source {
        std::function<QString()> currentName;                // empty: the actions do nothing
        std::function<numerology::ScoredName()> currentRow;  // the texts the report shows
        std::function<RunIdentity()> identity;               // how the list's names were formed
        std::function<bool(const QString &path, QString *error)> exportTo;
    };
    struct Options {
        QString menuName;
        bool spacedCopyMessage = true; // "已复制名字 X ！", or "已复制名字X！"
    };
    ListActions(QAbstractItemView *view, const Options &options, Source source);

    QMenu *menu() const { return m_menu; }

    void showAnalysis();
    void copyName();
    void addToFavourites();
    void showFavourites();
    // The save dialog ("文本文件"), then the export; an error in a box.
    void exportWithDialog();

private:
    QAbstractItemView *m_view;
    QMenu *m_menu;
    Options m_options;
    Source m_source;
};

// "筛选": the condition filter opens modally and reads this list while it is open.
void openConditionFilter(CandidateListModel *source);
// The export dialog ("导出名字", opened in the user's documents); empty when cancelled.
QString chooseExportPath(QWidget *parent);
// The list of the page whose "筛选" opened the filter; null when none did.
CandidateListModel *conditionFilterSource();

} // namespace qiming::namelist
