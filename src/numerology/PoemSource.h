// 诗词出处: the verses of the poem library in which a given name's characters stand together,
// found through an index of the library built once per connection.
#pragma once

#include "numerology/ScoredName.h"

#include <QHash>
#include <QString>

#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {

struct PoemSource {
    QString dynasty;
    QString poet;
    QString title;
    QString verse; // the sentence (usually a couplet) the characters stand in
    bool together = true; // false: the verse holds one of two characters that stand together nowhere
};

class PoemSourceIndex final {
public:
    // Reads the whole of 诗词. Throws data::DatabaseError.
    static PoemSourceIndex load(data::Database &db);

    // For two characters: verses holding both within one line, then within one sentence;
    // for one, verses holding it. Best-known poems first, one verse a poem, at most limit.
    // Two characters that never stand together give each one's verses in turn (together false).
    std::vector<PoemSource> lookup(const QString &given, int limit = 3) const;
    int poemCount() const { return int(m_poems.size()); }

private:
    struct Poem {
        QString dynasty, poet, title;
    };
    struct Sentence {
        int poem;
        QString text;
    };
    PoemSource sourceOf(int sentence) const;
    std::vector<PoemSource> together(const std::vector<int> &listA, const std::vector<int> &listB, QChar a, QChar b,
                                     int limit) const;

    std::vector<Poem> m_poems;           // in table order: best known first
    std::vector<Sentence> m_sentences;   // in poem order
    QHash<QChar, std::vector<int>> m_postings; // character -> sentences holding it, ascending
};

// The index of the shared connection, built on first use.
const PoemSourceIndex &sharedPoemSourceIndex();
std::vector<PoemSource> findPoemSources(const QString &given, int limit = 3);

// The given name of a scored name: the surname's length where it is known, otherwise its grids
// tell a compound surname from a two-character given name.
QString givenNameOf(const ScoredName &name);

// The report's 诗词出处 block (HTML) for a name.
QString poemSourceBlock(data::Database &db, const ScoredName &name);

} // namespace qiming::numerology
