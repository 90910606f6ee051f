// The page "经典模式": a table of random names to browse, scored only when one is opened or
// the whole table goes to the condition filter.
#pragma once

#include <QWidget>

class QTableView;

namespace qiming::namelist {
class ListActions;
class NameListHost;
}

namespace qiming::generation {

class CandidateListModel;
class ClassicNameModel;

class ClassicPage final : public QWidget {
    Q_OBJECT
public:
    explicit ClassicPage(namelist::NameListHost &host, QWidget *parent = nullptr);

    ClassicNameModel *names() const { return m_names; }
    // StringGrid5: the scored copy the condition filter reads.
    CandidateListModel *scoredList() const { return m_scored; }
    QTableView *view() const { return m_view; }
    namelist::ListActions *actions() const { return m_actions; }
    // The name in the current cell, or empty.
    QString currentName() const;

    // "生成名字"
    void generate();
    // "筛选": builds the scored list, then the condition filter.
    void filter();

private:
    ClassicNameModel *m_names;
    CandidateListModel *m_scored;
    QTableView *m_view;
    namelist::ListActions *m_actions;
    namelist::NameListHost &m_host;
};

} // namespace qiming::generation
