#include "numerology/Homophones.h"

#include "data/Database.h"
#include "data/RowSet.h"
#include "numerology/Pinyin.h"

#include <QStringList>

#include <algorithm>

namespace qiming::numerology {

namespace {

constexpr int kShortest = 2;
constexpr int kLongest = 4;

SyllableRun runOf(const quint64 *codes, int start, int length, bool toneless)
{
    SyllableRun run;
    run.size = length;
    for (int i = 0; i < length; ++i)
        run.codes[size_t(i)] = toneless ? tonelessCode(codes[start + i]) : codes[start + i];
    return run;
}

// Runs that reach past the surname; a run holding an unknown syllable never matches.
template<typename Visit>
void forEachRun(const quint64 *codes, int count, int surnameLength, Visit visit)
{
    for (int start = 0; start < count; ++start) {
        for (int length = kShortest; length <= kLongest && start + length <= count; ++length) {
            if (start + length <= surnameLength)
                continue;
            bool known = true;
            for (int i = start; i < start + length; ++i)
                known = known && codes[i] != 0;
            if (known && !visit(start, length))
                return;
        }
    }
}

// A whole name that sounds like the word (沈京兵 and 神经病) is teased whatever its tones.
bool wholeName(int start, int length, int count)
{
    return start == 0 && length == count && length >= 3;
}

} // namespace

HomophoneTable HomophoneTable::load(data::Database &db)
{
    HomophoneTable table;
    if (!db.hasTable(QStringLiteral("谐音")))
        return table;
    const data::RowSet rows = data::RowSet::load(db, QStringLiteral("select 拼音, 谐音, 类别, 说明 from 谐音"));
    for (int r = 0; r < rows.rowCount(); ++r)
        table.add({rows.value(r, 0), rows.value(r, 1), rows.value(r, 2), rows.value(r, 3)});
    return table;
}

bool HomophoneTable::add(const HomophoneEntry &entry)
{
    const QStringList parts = entry.pinyin.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < kShortest || parts.size() > kLongest || entry.sound.isEmpty())
        return false;
    SyllableRun exact;
    exact.size = int(parts.size());
    for (int i = 0; i < exact.size; ++i) {
        exact.codes[size_t(i)] = syllableCode(parseNumberedSyllable(parts.at(i)));
        if (exact.codes[size_t(i)] == 0)
            return false;
    }
    SyllableRun toneless = exact;
    for (int i = 0; i < toneless.size; ++i)
        toneless.codes[size_t(i)] = tonelessCode(toneless.codes[size_t(i)]);
    const int index = int(m_entries.size());
    m_entries.push_back(entry);
    m_exact[exact].push_back(index);
    m_toneless[toneless].push_back(index);
    return true;
}

std::vector<HomophoneTable::Match> HomophoneTable::matches(const quint64 *codes, int count, int surnameLength) const
{
    std::vector<Match> out;
    forEachRun(codes, count, surnameLength, [&](int start, int length) {
        std::vector<int> exact;
        if (const auto it = m_exact.find(runOf(codes, start, length, false)); it != m_exact.end())
            exact = it->second;
        for (const int e : exact)
            out.push_back({e, true, start, length, true});
        if (const auto it = m_toneless.find(runOf(codes, start, length, true)); it != m_toneless.end())
            for (const int e : it->second)
                if (std::find(exact.begin(), exact.end(), e) == exact.end())
                    out.push_back({e, false, start, length, wholeName(start, length, count)});
        return true;
    });
    return out;
}

bool HomophoneTable::hasStrong(const quint64 *codes, int count, int surnameLength) const
{
    if (m_exact.empty() && m_toneless.empty())
        return false;
    bool found = false;
    forEachRun(codes, count, surnameLength, [&](int start, int length) {
        found = m_exact.find(runOf(codes, start, length, false)) != m_exact.end()
            || (wholeName(start, length, count) && m_toneless.count(runOf(codes, start, length, true)) > 0);
        return !found;
    });
    return found;
}

} // namespace qiming::numerology
