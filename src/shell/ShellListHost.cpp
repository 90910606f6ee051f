#include "shell/ShellListHost.h"

#include "numerology/ui/AnalysisWindow.h"
#include "review/Favourites.h"
#include "review/ui/ConditionFilterWindow.h"
#include "shell/MainWindow.h"
#include "shell/PageNames.h"

namespace qiming::shell {

void ShellListHost::showReport(const numerology::ScoredName &name)
{
    m_window.analysisWindow()->showReportGuarded(name);
}

void ShellListHost::addFavourite(const QString &name, const generation::RunIdentity &identity)
{
    review::addFavourite(name, {identity.singleSurname, identity.singleGiven, identity.gender});
}

void ShellListHost::showFavourites()
{
    m_window.showModal(names::kFavourites);
}

void ShellListHost::openConditionFilter(generation::CandidateListModel *source)
{
    review::ConditionFilterWindow *filter = m_window.conditionFilter();
    filter->setSource(source);
    m_window.showModal(names::kConditionFilter);
    filter->setSource(nullptr);
}

} // namespace qiming::shell
