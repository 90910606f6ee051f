// English given names for a Chinese name: those of the chosen gender filed under the pinyin
// initial of the first given-name character (or, failing that, of the surname).
#pragma once

#include <QString>
#include <QStringList>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {
class CharacterTables;
}

namespace qiming::othernames {

struct EnglishNameResult {
    enum Outcome { Listed, EmptyInput, NoLetter } outcome = Listed;
    QString letter;    // as 字典.py starts, e.g. "m"
    QStringList names; // entry texts, best-known first
};

// The initial the names are filed under, or empty when neither character is in the dictionary.
QString englishNameLetter(numerology::CharacterTables &chars, const QString &surname, const QString &givenName);

// gender: "男" or "女". Throws data::DatabaseError.
EnglishNameResult suggestEnglishNames(data::Database &db, numerology::CharacterTables &chars,
                                      const QString &surname, const QString &givenName, const QString &gender);
// Over the program's one connection.
EnglishNameResult suggestEnglishNames(const QString &surname, const QString &givenName, const QString &gender);

} // namespace qiming::othernames
