// The actions every name list offers, whatever filled it: the report of the current name
// (also on double click), copying the name, adding it to the favourites, showing the
// favourites, exporting the list. The favourites list itself offers removal in their place.
#pragma once

#include "generation/NameCandidate.h"

#include <QObject>

#include <functional>

class QAbstractItemView;
class QMenu;
class QWidget;

namespace qiming::generation {
class CandidateListModel;
}

namespace qiming::namelist {

using generation::CandidateListModel;
using generation::RunIdentity;
class NameListHost;

class ListActions final : public QObject {
    Q_OBJECT
public:
    struct Source {
        std::function<QString()> currentName;                // empty: the actions do nothing
        std::function<numerology::ScoredName()> currentRow;  // the texts the report shows
        std::function<RunIdentity()> identity;               // how the list's names were formed
        std::function<bool(const QString &path, QString *error)> exportTo;
        // Set for the favourites: the menu offers removal instead of adding and showing them.
        std::function<void()> remove = {};
    };
    struct Options {
        QString menuName;
        bool spacedCopyMessage = true; // "已复制名字 X ！", or "已复制名字X！"
        QString copyMessage = {};      // when set, the wording with %1 for the name
    };
    ListActions(QAbstractItemView *view, NameListHost &host, const Options &options, Source source);

    QMenu *menu() const { return m_menu; }

    void showAnalysis();
    void copyName();
    void addToFavourites();
    void showFavourites();
    // The save dialog ("文本文件"), then the export; an error in a box.
    void exportWithDialog();

private:
    QAbstractItemView *m_view;
    NameListHost &m_host;
    QMenu *m_menu;
    Options m_options;
    Source m_source;
};

// The export dialog ("导出名字", opened in the user's documents); empty when cancelled.
QString chooseExportPath(QWidget *parent);

} // namespace qiming::namelist
