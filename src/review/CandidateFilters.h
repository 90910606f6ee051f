// The two review steps over a candidate list: the condition filter (elements, strokes,
// characters of the given name) and the super-auspicious filter (grid levels, three
// talents, lonely numbers). Each run starts again from its source and keeps the passing
// rows whole, their numbers included, in source order.
#pragma once

#include "generation/CandidateListModel.h"

#include <QString>

#include <vector>

namespace qiming::numerology {
class LuckTables;
}

namespace qiming::review {

// One element rule: ticked or not, and the elements of its ticked boxes (金木水火土 in any order).
struct ElementRule {
    bool on = false;
    QString elements;
};

struct ElementRules {
    ElementRule first;     // A: the first given-name character is one of these
    ElementRule second;    // B: the second given-name character, where the name has one
    ElementRule atLeast;   // C: every one of these occurs somewhere in the full name
    ElementRule none;      // D: none of these occurs anywhere in the full name
};

struct StrokeRange {
    bool on = false;
    int low = 1;
    int high = 10;
};

struct StrokeRules {
    bool kangxi = false; // else the simplified counts
    StrokeRange first;
    StrokeRange second;  // only for two-character given names
    StrokeRange total;   // surname included
};

struct CharacterRules {
    bool firstOn = false;
    QString first;
    bool secondOn = false;
    QString second;
};

// The rows are split by the source list's own surname and length flags (identity), the
// element and stroke texts at "-"; a stroke part that is not a number counts as 0.
std::vector<generation::NameCandidate> filterByElements(const generation::CandidateListModel &source,
                                                        const ElementRules &rules);
std::vector<generation::NameCandidate> filterByStrokes(const generation::CandidateListModel &source,
                                                       const StrokeRules &rules);
std::vector<generation::NameCandidate> filterByCharacters(const generation::CandidateListModel &source,
                                                          const CharacterRules &rules);

struct SuperAuspiciousChoices {
    QString levels = QStringLiteral("123");   // allowed luck level codes, 大吉 "1" … 大凶 "5"
    QString verdicts = QStringLiteral("吉平"); // allowed three-talents verdicts
    bool lonelyNumbers = false;                // drop names with a lonely number
};

// 人格, 地格, 外格 and 总格 must have allowed levels (天格 is never tested), the three-talents
// verdict must be allowed and, with the option, none of the four may be a lonely number.
std::vector<generation::NameCandidate> filterSuperAuspicious(const generation::CandidateListModel &source,
                                                             const SuperAuspiciousChoices &choices,
                                                             numerology::LuckTables &luck);

} // namespace qiming::review
