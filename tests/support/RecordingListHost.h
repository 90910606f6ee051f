// A name-list host for tests that build a page or a list without the main window: it opens
// nothing and records what the list asked for.
#pragma once

#include "namelist/NameListHost.h"

#include <QStringList>

#include <vector>

namespace qiming::test {

class RecordingListHost final : public namelist::NameListHost {
public:
    void showReport(const numerology::ScoredName &name) override { reports << name.name; }
    void addFavourite(const QString &name, const generation::RunIdentity &identity) override
    {
        favourites << name;
        identities.push_back(identity);
    }
    void showFavourites() override { ++favouritesShown; }
    void openConditionFilter(generation::CandidateListModel *source) override { filtered = source; }

    QStringList reports;
    QStringList favourites;
    std::vector<generation::RunIdentity> identities;
    int favouritesShown = 0;
    generation::CandidateListModel *filtered = nullptr;
};

} // namespace qiming::test
