// The two reference lookups that help judge a name: a character's dictionary entry and a
// surname's origin, both HTML kept in the database.
#pragma once

#include <QString>


namespace qiming::data {
class Database;
}

namespace qiming::numerology {

// jijie then xiangjie of the character's first row, joined; empty when it has none.
QString lookupCharacter(data::Database &db, const QString &ch);
// The project's Chinese meaning of a character (table 字义); found is false without a row or
// in a file built before the table.
struct CharacterMeaning {
    bool found = false;
    QString senses;  // 字义: reading blocks separated by ｜
    QString meaning; // 寓意
    QString source;  // 出处, parts separated by ｜
    QString words;   // 词语, separated by 、
};
CharacterMeaning characterMeaning(data::Database &db, const QString &ch);
// An HTML fragment as plain text: one paragraph or heading a line, entities decoded.
QString htmlToPlainText(const QString &html);

// intro of the surname's first row in 百家姓; empty when it has none.
QString surnameOrigin(data::Database &db, const QString &surname);

// A pinyin syllable typed in the dictionary's search field ("xuan", "xuan1", "xuān", "lv"):
// the characters of 通用规范 levels 1 and 2 read that way, as an HTML page grouped by level,
// each a link "zi:字". Empty when the text is not a syllable or nothing reads so.
QString charactersReadAs(data::Database &db, const QString &typed);
// A dictionary page with its Han characters made links "zi:字" (a word, a traditional form),
// all but the entry's own character: those inside <span class="links">, or every one on a
// page without such spans.
QString linkCharacters(const QString &html, const QString &own);

} // namespace qiming::numerology
