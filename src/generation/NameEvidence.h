// What the program knows about whether two characters belong together as a given name, and
// about each name character: 名字库 (names families give), 诗词搭配 (pairs that stand side by
// side in verse), 词语 (a modern word list) and 字义 (the project's own words and its 不宜
// verdicts), with 用字's standard levels. Loaded whole once and searched by two UTF-16 units,
// so ranking every pair of a pool issues no query.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::generation {

// Whether ch is one of a short list of characters written as one string (u"所谓之").
inline bool isAmong(std::u16string_view set, QChar ch)
{
    return set.find(ch.unicode()) != std::u16string_view::npos;
}

enum class NameStyle : quint8 { None, Contemporary, Classic, Dated };

// Which children a library name is given to.
enum : quint8 { kForBoys = 1, kForGirls = 2 };

struct PairEvidence {
    NameStyle style = NameStyle::None; // in 名字库, and how it reads today
    quint8 genders = 0;                // kForBoys | kForGirls
    int libraryRow = -1;               // its 寓意 and 出处
    int verseCount = 0;                // side by side in one line of the poetry package
    int verseRow = -1;                 // a line fit to quote, or -1
    bool verseCounts = false;          // not a place, person, direction, time or address phrase
    int wordFrequency = 0;             // in the word list, when the word counts for a name
    bool meaningWord = false;          // among the words 字义 gives its characters
};

struct CharacterEvidence {
    bool unfit = false;        // 字义: 不宜用于取名
    bool functionWord = false; // 所 谓 之 且 兮 …: reads as grammar, not as a name
    quint8 level = 0;          // 通用规范汉字表 level 1-3; 0 outside it or unknown
};

class NameEvidence final {
public:
    NameEvidence();
    // Throws data::DatabaseError. A file made before some of the tables existed gives less
    // evidence, not an error.
    explicit NameEvidence(data::Database &db);

    const PairEvidence *pair(QChar first, QChar second) const
    {
        const auto it = m_pairs.find(key(first, second));
        return it == m_pairs.end() ? nullptr : &it->second;
    }
    const CharacterEvidence &character(QChar ch) const { return m_chars[ch.unicode()]; }

    QString libraryMeaning(int row) const { return m_libraryMeanings.value(row); }
    QString librarySource(int row) const { return m_librarySources.value(row); }
    QString verseLine(int row) const { return m_verseLines.value(row); }
    QString verseSource(int row) const { return m_verseSources.value(row); }

    // For fixtures and for the tables' loaders.
    PairEvidence &editPair(QChar first, QChar second) { return m_pairs[key(first, second)]; }
    CharacterEvidence &editCharacter(QChar ch) { return m_chars[ch.unicode()]; }
    int addLibraryTexts(const QString &meaning, const QString &source);
    int addVerse(const QString &line, const QString &source);

    // Words of the list that say nothing for a name: places, people, times, directions,
    // pronouns, numbers and measures, and nouns made with a suffix (亭子).
    static bool wordCountsForName(const QString &word, const QString &partOfSpeech);
    // Verse pairs that are phrases of direction, time or address (南北 东风 君家).
    static bool versePairCountsForName(QChar first, QChar second);
    static bool isFunctionWord(QChar ch);

private:
    static quint32 key(QChar a, QChar b) { return quint32(a.unicode()) << 16 | b.unicode(); }
    void loadLibrary(data::Database &db);
    void loadVerses(data::Database &db);
    void loadWords(data::Database &db);
    void loadMeanings(data::Database &db);
    void loadLevels(data::Database &db);

    std::unordered_map<quint32, PairEvidence> m_pairs;
    std::vector<CharacterEvidence> m_chars; // by UTF-16 unit
    QStringList m_libraryMeanings, m_librarySources;
    QStringList m_verseLines, m_verseSources;
};

// On the program's one connection, loaded on first use.
const NameEvidence &sharedNameEvidence();

} // namespace qiming::generation
