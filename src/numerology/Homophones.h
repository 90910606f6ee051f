// The 谐音 list as the name check and the generators match it: every entry indexed by its
// syllables, tone for tone and without tones, so that matching a name is a few hash look-ups.
#pragma once

#include <QString>

#include <array>
#include <unordered_map>
#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {

struct HomophoneEntry {
    QString pinyin; // numbered syllables, "fan4 tong3"
    QString sound;  // what it sounds like, 饭桶
    QString kind;   // 粗俗 疾病 死亡 辱骂 如厕 笑话 不吉
    QString note;
};

// Up to four syllable codes (Pinyin.h) in a row.
struct SyllableRun {
    std::array<quint64, 4> codes{};
    int size = 0;
    bool operator==(const SyllableRun &) const = default;
};

struct SyllableRunHash {
    size_t operator()(const SyllableRun &run) const noexcept
    {
        quint64 h = quint64(run.size);
        for (int i = 0; i < run.size; ++i)
            h = (h ^ run.codes[size_t(i)]) * 0x100000001b3ULL;
        return size_t(h ^ (h >> 29));
    }
};

class HomophoneTable final {
public:
    struct Match {
        int entry;  // index into entries()
        bool exact; // tone for tone; else only the letters agree
        int start;  // the matched syllables of the name
        int length;
        bool strong; // tone for tone, or the whole name of three or more syllables without tones
    };

    // The whole 谐音 table; a file made before the table existed gives an empty one. Rows whose
    // pinyin is not two to four numbered syllables are left out.
    static HomophoneTable load(data::Database &db);

    // False (and nothing added) when the pinyin is not two to four numbered syllables.
    bool add(const HomophoneEntry &entry);
    const std::vector<HomophoneEntry> &entries() const { return m_entries; }

    // Every entry that a run of the name's syllables (codes, one per character) matches,
    // leaving out runs that lie wholly inside the surname (its first surnameLength syllables):
    // the family cannot change those. A run matched tone for tone is not reported again
    // without tones.
    std::vector<Match> matches(const quint64 *codes, int count, int surnameLength) const;
    // Whether any such run matches an entry tone for tone. Allocates nothing.
    bool hasStrong(const quint64 *codes, int count, int surnameLength) const;

private:
    std::vector<HomophoneEntry> m_entries;
    std::unordered_map<SyllableRun, std::vector<int>, SyllableRunHash> m_exact;
    std::unordered_map<SyllableRun, std::vector<int>, SyllableRunHash> m_toneless;
};

} // namespace qiming::numerology
