// 推荐度: how likely a parent is to choose a full name, 0-100, with one to three reasons a parent
// can check. One engine for every list, the command line and the benchmarks: the name's score,
// whether its two characters belong together (名字库, verse, words), its sound against the
// surname, the characters' standing, and what excludes or costs.
#pragma once

#include "generation/NameEvidence.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace qiming::numerology {
class CharacterTables;
class HomophoneTable;
class ScoreTable;
}

namespace qiming::generation {

// The weights, in points of 推荐度. One table, tuned on names a native reader rated.
struct RecommendWeights {
    int base = 40;              // every name that passes the cuts starts here
    int scorePerPoint = 1;      // per point of numerology score above the cut, halved
    int libraryContemporary = 38; // 名字库, common since about 2000
    int libraryClassic = 28;    // 名字库, timeless; below what parents give today (many read older)
    int libraryNeutral = -6;    // 名字库 gives it to both sexes: it reads less surely as this child's
    int libraryNeutralGirl = -14; // ... and for a girl most such names read as a boy's (昭明 嘉泽)
    int libraryDated = -22;     // 名字库, typical of 1950-1990: a parent of today passes it by,
                                // whatever verse or word stands behind it
    int libraryOtherGender = 12; // 名字库, but given to the other sex
    int verseMax = 14;          // side by side in verse, by how often (log scale)
    int verseQuotable = 4;      // and a line fit to quote exists
    int wordMax = 12;           // a word of the list, by frequency (log scale)
    int meaningWord = 10;       // a word the project's 字义 gives
    int evidenceCap = 40;       // the pair evidence above, together, at most
    int noEvidence = -14;       // two characters that are not known to belong together
    int sameToneThrice = -10;   // surname and both characters in one tone
    int sameToneTwice = -3;     // both given characters in one tone
    int levelEnding = 3;        // the name ends on a level tone (平), which carries
    int allOneClass = -3;       // all 平 or all 仄
    int sharedInitial = -5;     // the first given character shares the surname's initial
    int sharedFinal = -4;       // ... or its final (李丽, 王朗)
    int rhymingPair = -2;       // the given characters share an initial or a final
    int repeatsSurname = -25;   // a given character repeats the surname's (欧阳沐阳)
    int datedEnding = -10;      // ends on a character of the grandparents' names (厚德 琼芳 继文),
                                // unless the library counts the name as given today
    int datedCharacter = -8;    // a character of the 1970s-90s names (美 志 鹏 宏), even in a name
                                // the library counts as given today
    int secondLevel = -2;       // a 次常用字
    int rareCharacter = -10;    // a character outside levels 1-2
    int functionWord = -25;     // 所 谓 之 且 兮 …
    int favouredElement = 6;    // a character of the chart's favoured elements
    static const RecommendWeights &standard();
};

enum class ElementPreference { Ignore, Prefer, Only };

struct RecommendSetup {
    QString surname;
    QString gender = QStringLiteral("nan"); // "nan" or "nv"
    int givenLength = 2;
    QString fixedChar;     // in effect, or empty
    int fixedPosition = 1; // 1 or 2
    QString avoid;         // characters never to use
    int minScore = 85;
    QString favouredElements; // e.g. "金土", from the chart; empty without a birth time
    ElementPreference preference = ElementPreference::Prefer;
};

struct RankedName {
    QString given;
    int score = 0;
    int recommend = 0;
    QString pinyin;      // the full name's, tone-marked
    QStringList reasons; // "类别：说明", one to three
};

class Recommender final {
public:
    // Throws data::DatabaseError when a table cannot be read.
    Recommender(numerology::CharacterTables &chars, const numerology::ScoreTable &scores,
                const numerology::HomophoneTable &homophones, const NameEvidence &evidence,
                const RecommendWeights &weights = RecommendWeights::standard());
    ~Recommender();

    // Every name of the gender's pool (with the fixed character, if any) that passes the cuts,
    // best first: by 推荐度, then score, the first and second characters spread so that none
    // stands more than three times in any thirty consecutive rows. Only the first `top` rows
    // get their reasons and pinyin, and only those are checked by the full name check.
    std::vector<RankedName> rank(const RecommendSetup &setup, int top);

    // 推荐度 and reasons of one given name for the surname and gender; recommend -1 when the
    // name is excluded (a 不宜 character, a strong name-check finding).
    RankedName judge(const RecommendSetup &setup, const QString &given, int score);

private:
    struct Run;
    struct Candidate;
    void prepare(Run &run, const RecommendSetup &setup, const QStringList &letters);
    int figureOf(const Run &run, int first, int second, int score, quint32 *reasonBits) const;
    QStringList reasonTexts(const Run &run, int first, int second, quint32 reasonBits) const;

    numerology::CharacterTables &m_chars;
    const numerology::ScoreTable &m_scores;
    const numerology::HomophoneTable &m_homophones;
    const NameEvidence &m_evidence;
    RecommendWeights m_weights;
};

// The order of rows (already best first, given as their first and second characters; a
// one-character name has a null second) in which no first and no second character stands
// more than `most` times in any `window` consecutive rows, moving rows as little as it can;
// where no waiting row fits, the best of them goes next. Only the first `count` places are
// ordered; the rest keep their order after them.
std::vector<int> spreadOrder(const std::vector<std::pair<QChar, QChar>> &rows, int count, int window = 30,
                             int most = 3);

} // namespace qiming::generation
