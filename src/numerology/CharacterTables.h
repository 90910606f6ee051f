// Character attributes from 字典 and 五行: row sets loaded whole on first use and searched
// in memory, so that scoring tens of thousands of names issues no query.
#pragma once

#include "data/LazyRowSet.h"
#include "numerology/HanziInfo.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {

class CharacterTables final {
public:
    explicit CharacterTables(data::Database &db);
    data::Database &database() const { return m_db; }

    // A character that is not in 字典 gives empty values and found = false.
    HanziInfo lookupHanzi(const QString &ch, bool *found = nullptr);
    // True when every UTF-16 unit of a non-empty text is a 字典 character: the two halves of
    // a character outside the Basic Multilingual Plane never are.
    bool isAllInDictionary(const QString &text);
    // The flags, not the text's length, decide which position feeds which slot. The pinyin is
    // the name's reading (surnameReading, givenReading), not each character's usual one.
    NameAttributes lookupFullName(const QString &name, bool singleSurname, bool singleGiven);
    // How a name is read, one tone-marked syllable per character (empty for a character that
    // is not in 字典). A surname takes its 多音姓 reading: a compound surname's whole entry, else
    // each character's own entry; a given name takes its 名读音 entry, else each character's;
    // every other character its usual reading.
    QStringList surnameReading(const QString &surname);
    QStringList givenReading(const QString &given);
    // 名读音's entries: given names or characters and their syllables.
    const QHash<QString, QStringList> &givenNameReadings();
    // The 五行 table's count as stored, or empty (also for a lone CR or LF).
    QString kangxiStrokesOf(const QString &ch);
    // A uniformly drawn character of the gender's common-character table; empty when the
    // table is empty or the drawn character has no 五行 row.
    QString randomCommonChar(const QString &gender);

    // The Kangxi count lookupHanzi would give, as an integer (0 when unknown or not a number).
    int kangxiCount(QChar ch);

private:
    data::RowSet &view();
    data::RowSet &commonChars(const QString &gender);
    void ensureReadings();
    QStringList readingOf(const QString &text, const QHash<QString, QStringList> &entries);

    data::Database &m_db;
    data::LazyRowSet m_view;
    data::LazyRowSet m_fiveElements;
    data::LazyRowSet m_boys;
    data::LazyRowSet m_girls;
    std::vector<bool> m_inDictionary; // by UTF-16 unit
    std::vector<int> m_kangxiCounts;  // by UTF-16 unit
    // 多音姓 and 名读音, loaded once per connection (empty in a file made before they existed).
    QHash<QString, QStringList> m_surnameReadings;
    QHash<QString, QStringList> m_givenReadings;
    quint64 m_readingsConnection = 0;
    bool m_readingsLoaded = false;
};

} // namespace qiming::numerology
