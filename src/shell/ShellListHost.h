// The name lists' host: the report, the favourites and the condition filter are windows the
// main window owns, so it is the main window that opens them for a list.
#pragma once

#include "namelist/NameListHost.h"

namespace qiming::shell {

class MainWindow;

class ShellListHost final : public namelist::NameListHost {
public:
    explicit ShellListHost(MainWindow &window) : m_window(window) {}

    void showReport(const numerology::ScoredName &name) override;
    void addFavourite(const QString &name, const generation::RunIdentity &identity) override;
    void showFavourites() override;
    void openConditionFilter(generation::CandidateListModel *source) override;

private:
    MainWindow &m_window;
};

} // namespace qiming::shell
