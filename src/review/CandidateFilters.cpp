#include "review/CandidateFilters.h"

#include "numerology/FiveGrids.h"
#include "numerology/LuckTables.h"

#include <QStringView>

#include <array>
#include <optional>
#include <unordered_map>

namespace qiming::review {

using generation::CandidateListModel;
using generation::NameCandidate;

namespace {

// The "-"-separated parts of a series, without allocating per part.
struct Parts {
    std::array<QStringView, 6> items;
    int count = 0;

    explicit Parts(QStringView text)
    {
        qsizetype from = 0;
        while (count < int(items.size())) {
            const qsizetype dash = text.indexOf(u'-', from);
            items[size_t(count++)] = text.mid(from, dash < 0 ? -1 : dash - from);
            if (dash < 0)
                break;
            from = dash + 1;
        }
    }
    QStringView at(int i) const { return i >= 0 && i < count ? items[size_t(i)] : QStringView(); }
    int number(int i) const
    {
        bool ok = false;
        const int n = at(i).toInt(&ok);
        return ok ? n : 0;
    }
};

int surnameLength(const CandidateListModel &source)
{
    return source.identity().singleSurname ? 1 : 2;
}

template<typename Keep>
std::vector<NameCandidate> keepRows(const CandidateListModel &source, Keep keep)
{
    std::vector<NameCandidate> out;
    for (int r = 0; r < source.size(); ++r) {
        const NameCandidate &row = source.candidate(r);
        // Blank rows never pass, whatever the rules.
        if (!row.scored.name.isEmpty() && keep(row))
            out.push_back(row);
    }
    return out;
}

bool holdsAny(QStringView elements, const Parts &parts, int from, int to)
{
    for (int i = from; i < to; ++i)
        if (parts.at(i).size() == 1 && elements.contains(parts.at(i).front()))
            return true;
    return false;
}

} // namespace

std::vector<NameCandidate> filterByElements(const CandidateListModel &source, const ElementRules &rules)
{
    const int first = surnameLength(source);
    const bool hasSecond = !source.identity().singleGiven;
    return keepRows(source, [&](const NameCandidate &row) {
        const Parts parts(row.scored.elements);
        const auto isIn = [](QStringView element, const QString &set) {
            return element.size() == 1 && set.contains(element.front());
        };
        if (rules.first.on && !isIn(parts.at(first), rules.first.elements))
            return false;
        if (rules.second.on && hasSecond && parts.count > first + 1 && !isIn(parts.at(first + 1), rules.second.elements))
            return false;
        if (rules.atLeast.on)
            for (const QChar e : rules.atLeast.elements)
                if (!holdsAny(QStringView(&e, 1), parts, 0, parts.count))
                    return false;
        if (rules.none.on && holdsAny(rules.none.elements, parts, 0, parts.count))
            return false;
        return true;
    });
}

std::vector<NameCandidate> filterByStrokes(const CandidateListModel &source, const StrokeRules &rules)
{
    const int first = surnameLength(source);
    const bool hasSecond = !source.identity().singleGiven;
    const auto within = [](const StrokeRange &range, int n) { return !range.on || (range.low <= n && n <= range.high); };
    return keepRows(source, [&](const NameCandidate &row) {
        const Parts parts(rules.kangxi ? row.scored.kangxiStrokes : row.scored.simplifiedStrokes);
        const int g1 = parts.number(first);
        const int g2 = hasSecond ? parts.number(first + 1) : 0;
        int total = g1 + g2;
        for (int i = 0; i < first; ++i)
            total += parts.number(i);
        return within(rules.first, g1) && (!hasSecond || within(rules.second, g2)) && within(rules.total, total);
    });
}

std::vector<NameCandidate> filterByCharacters(const CandidateListModel &source, const CharacterRules &rules)
{
    const int first = surnameLength(source);
    const bool hasSecond = !source.identity().singleGiven;
    return keepRows(source, [&](const NameCandidate &row) {
        const QString &name = row.scored.name;
        // An empty field matches no name.
        if (rules.firstOn && (rules.first.isEmpty() || QStringView(name).mid(first, 1) != rules.first))
            return false;
        if (rules.secondOn && hasSecond && name.size() > first + 1 && QStringView(name).mid(first + 1, 1) != rules.second)
            return false;
        return true;
    });
}

std::vector<NameCandidate> filterSuperAuspicious(const CandidateListModel &source,
                                                 const SuperAuspiciousChoices &choices, numerology::LuckTables &luck)
{
    if (choices.verdicts.isEmpty() || choices.levels.isEmpty())
        return {};
    // Levels and verdicts looked up once per number and configuration, not once per row.
    std::unordered_map<int, bool> levelAllowed;
    const auto allowedNumber = [&](int n) {
        const auto found = levelAllowed.find(n);
        if (found != levelAllowed.end())
            return found->second;
        const QString code = numerology::luckLevelCode(luck.luckLevelOf(QString::number(n)));
        const bool ok = !code.isEmpty() && choices.levels.contains(code);
        levelAllowed.emplace(n, ok);
        return ok;
    };
    std::array<std::optional<bool>, 125> verdictAllowed;
    const auto allowedVerdict = [&](const numerology::FiveGrids &g) {
        std::optional<bool> &known = verdictAllowed[size_t(numerology::sancaiIndexOf(g))];
        if (!known) {
            const QString jx = luck.sancaiVerdictOf(numerology::sancaiKeyOf(g)).jx;
            known = !jx.isEmpty() && choices.verdicts.contains(jx);
        }
        return *known;
    };
    return keepRows(source, [&](const NameCandidate &row) {
        const Parts parts(row.scored.fiveGrids);
        std::array<int, 5> n{};
        for (int i = 0; i < 5; ++i) {
            bool ok = false;
            n[size_t(i)] = parts.at(i).toInt(&ok);
            // A grid that is missing or not a number has no level: the row does not pass.
            if (!ok)
                return false;
        }
        for (int i = 1; i < 5; ++i)
            if (!allowedNumber(n[size_t(i)]))
                return false;
        if (choices.lonelyNumbers)
            for (int i = 1; i < 5; ++i)
                if (numerology::isLonelyNumber(n[size_t(i)]))
                    return false;
        const numerology::FiveGrids grids{n[0], n[1], n[2], n[3], n[4]};
        return allowedVerdict(grids);
    });
}

} // namespace qiming::review
