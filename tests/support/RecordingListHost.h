// A name-list host for tests that build a page or a list without the main window: it opens
// nothing and records what the list asked for.
#pragma once

#include "namelist/NameListHost.h"

#include <QStringList>

namespace qiming::test {

class RecordingListHost final : public namelist::NameListHost {
public:
    void showReport(const numerology::ScoredName &name) override { reports << name.name; }
    void addFavourite(const QString &name, const generation::RunIdentity &) override { favourites << name; }
    void showFavourites() override { ++favouritesShown; }
    void openConditionFilter(generation::CandidateListModel *source) override { filtered = source; }

    QStringList reports;
    QStringList favourites;
    int favouritesShown = 0;
    generation::CandidateListModel *filtered = nullptr;
};

} // namespace qiming::test
