// "超吉筛选": step 2 of the review, over the condition filter's results: the grid levels
// allowed for 人格, 地格, 外格 and 总格, the three-talents verdicts, and for a girl the
// lonely numbers.
#pragma once

#include "review/CandidateFilters.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace qiming::generation {
class CandidateListModel;
}
namespace qiming::namelist {
class CandidateListView;
class NameListHost;
}

namespace qiming::review {

class SuperAuspiciousWindow final : public QDialog {
    Q_OBJECT
public:
    // source: the condition filter's results.
    SuperAuspiciousWindow(const generation::CandidateListModel *source, namelist::NameListHost &host, QWidget *parent);

    generation::CandidateListModel *results() const { return m_results; }
    namelist::CandidateListView *resultsView() const { return m_view; }
    SuperAuspiciousChoices choices() const;

    // "马上超吉筛选"
    void filterSuperAuspicious();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const generation::CandidateListModel *m_source;
    generation::CandidateListModel *m_results;
    namelist::CandidateListView *m_view;
    std::array<QCheckBox *, 5> m_levels{};   // CheckBox1 … CheckBox5
    std::array<QCheckBox *, 3> m_verdicts{}; // CheckBox7 … CheckBox9
    QCheckBox *m_lonely = nullptr;           // CheckBox6
};

} // namespace qiming::review
