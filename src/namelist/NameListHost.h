// What a name list asks of the program around it. The report, the favourites and the filter
// are windows of other areas, which a list reaches only through this; the shell implements it.
#pragma once

#include "generation/NameCandidate.h"
#include "numerology/ScoredName.h"

#include <QString>

namespace qiming::generation {
class CandidateListModel;
}

namespace qiming::namelist {

class NameListHost {
public:
    virtual ~NameListHost() = default;

    // The analysis report of a row's texts; a row without a name shows nothing.
    virtual void showReport(const numerology::ScoredName &name) = 0;
    // Stores the name with the flags of the run that formed it.
    // Throws data::DatabaseError when it cannot be written.
    virtual void addFavourite(const QString &name, const generation::RunIdentity &identity) = 0;
    virtual void showFavourites() = 0;
    // "筛选": the condition filter, modal, over this list while it is open.
    virtual void openConditionFilter(generation::CandidateListModel *source) = 0;
};

} // namespace qiming::namelist
