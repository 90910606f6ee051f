// "超级吉祥筛选": step 1 of the review, by element, strokes or character, over the list of the
// page whose "筛选" opened it; step 2 opens the super-auspicious filter over the results.
#pragma once

#include "review/CandidateFilters.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace qiming::generation {
class CandidateListModel;
}
namespace qiming::namelist {
class CandidateListView;
class NameListHost;
}

namespace qiming::review {

class ConditionFilterWindow final : public QDialog {
    Q_OBJECT
public:
    ConditionFilterWindow(namelist::NameListHost &host, QWidget *parent);

    // The list the filter reads, set for as long as the window is open; null reads as empty.
    void setSource(const generation::CandidateListModel *source) { m_source = source; }
    const generation::CandidateListModel *source() const { return m_source; }
    generation::CandidateListModel *results() const { return m_results; }
    namelist::CandidateListView *resultsView() const { return m_view; }

    // The rules as the controls hold them now.
    ElementRules elementRules() const;
    StrokeRules strokeRules() const;
    CharacterRules characterRules() const;

    // The three filter buttons and step 2.
    void filterByElements();
    void filterByStrokes();
    void filterByCharacters();
    void openSuperAuspicious();

signals:
    // Step 2 asked for: the super-auspicious filter over the results.
    void superFilterRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct ElementRow {
        QCheckBox *rule = nullptr;
        std::array<QCheckBox *, 5> elements{};
    };
    QWidget *buildElementsTab();
    QWidget *buildStrokesTab();
    QWidget *buildCharactersTab();
    void runFilter(
        const std::function<std::vector<generation::NameCandidate>(const generation::CandidateListModel &)> &filter);
    ElementRule ruleOf(const ElementRow &row) const;

    QPointer<const generation::CandidateListModel> m_source;
    generation::CandidateListModel *m_results;
    namelist::CandidateListView *m_view;
    std::array<ElementRow, 4> m_elementRows;
    QRadioButton *m_simplified = nullptr;
    QRadioButton *m_kangxi = nullptr;
    std::array<QCheckBox *, 3> m_strokeChecks{};
    std::array<QComboBox *, 6> m_strokeLists{}; // ComboBox1 … ComboBox6
    QCheckBox *m_firstChar = nullptr;
    QCheckBox *m_secondChar = nullptr;
    QLineEdit *m_firstCharEdit = nullptr;
    QLineEdit *m_secondCharEdit = nullptr;
};

} // namespace qiming::review
