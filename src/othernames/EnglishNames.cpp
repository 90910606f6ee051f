#include "othernames/EnglishNames.h"

#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "numerology/CharacterTables.h"
#include "numerology/SharedNumerology.h"

namespace qiming::othernames {

QString englishNameLetter(numerology::CharacterTables &chars, const QString &surname, const QString &givenName)
{
    // The second given-name character and a compound surname's second play no part.
    for (const QString &c : {givenName.left(1), surname.left(1)}) {
        bool found = false;
        const numerology::HanziInfo info = chars.lookupHanzi(c, &found);
        if (found)
            return info.plainPinyin.left(1);
    }
    return {};
}

EnglishNameResult suggestEnglishNames(data::Database &db, numerology::CharacterTables &chars,
                                      const QString &surname, const QString &givenName, const QString &gender)
{
    EnglishNameResult result;
    if (surname.isEmpty() || givenName.isEmpty()) {
        result.outcome = EnglishNameResult::EmptyInput;
        return result;
    }
    result.letter = englishNameLetter(chars, surname, givenName);
    if (result.letter.isEmpty()) {
        result.outcome = EnglishNameResult::NoLetter;
        return result;
    }
    const data::RowSet rows = data::RowSet::load(
        db, QStringLiteral("select 英文名 from 英文名 where 字母=? and 性别=? order by 排名"), {result.letter, gender});
    for (int r = 0; r < rows.rowCount(); ++r)
        result.names << rows.value(r, 0);
    return result;
}

EnglishNameResult suggestEnglishNames(const QString &surname, const QString &givenName, const QString &gender)
{
    return suggestEnglishNames(data::sharedDatabase(), numerology::sharedCharacterTables(), surname, givenName,
                               gender);
}

} // namespace qiming::othernames
