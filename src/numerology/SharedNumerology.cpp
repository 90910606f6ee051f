#include "numerology/SharedNumerology.h"

#include "data/PerConnection.h"
#include "data/SharedDatabase.h"


namespace qiming::numerology {

CharacterTables &sharedCharacterTables()
{
    static CharacterTables tables(data::sharedDatabase());
    return tables;
}

LuckTables &sharedLuckTables()
{
    static LuckTables tables(data::sharedDatabase());
    return tables;
}

const ScoreTable &sharedScoreTable()
{
    static data::PerConnection<ScoreTable> table;
    return table.get(data::sharedDatabase(), [](data::Database &) { return ScoreTable(sharedLuckTables()); });
}

const HomophoneTable &sharedHomophoneTable()
{
    static data::PerConnection<HomophoneTable> table;
    return table.get(data::sharedDatabase(), [](data::Database &db) { return HomophoneTable::load(db); });
}

HanziInfo lookupHanzi(const QString &ch, bool *found)
{
    return sharedCharacterTables().lookupHanzi(ch, found);
}

bool isAllInDictionary(const QString &text)
{
    return sharedCharacterTables().isAllInDictionary(text);
}

NameAttributes lookupFullName(const QString &name, bool singleSurname, bool singleGiven)
{
    return sharedCharacterTables().lookupFullName(name, singleSurname, singleGiven);
}

QString kangxiStrokesOf(const QString &ch)
{
    return sharedCharacterTables().kangxiStrokesOf(ch);
}

QString randomCommonChar(const QString &gender)
{
    return sharedCharacterTables().randomCommonChar(gender);
}

QString luckLevelOf(const QString &number)
{
    return sharedLuckTables().luckLevelOf(number);
}

SancaiVerdict sancaiVerdictOf(const QString &key)
{
    return sharedLuckTables().sancaiVerdictOf(key);
}

QString scoreName(const QString &gender, const FiveGrids &grids)
{
    return scoreName(sharedLuckTables(), gender, grids);
}

std::optional<ScoredName> scoreTypedName(const QString &surname, const QString &given, const QString &gender)
{
    return scoreTypedName(sharedCharacterTables(), sharedLuckTables(), surname, given, gender);
}

ScoredName scoreFullName(CharacterTables &chars, LuckTables &luck, const QString &fullName, bool singleSurname,
                         bool singleGiven, const QString &gender)
{
    const NameAttributes a = chars.lookupFullName(fullName, singleSurname, singleGiven);
    const FiveGrids grids = computeFiveGrids(a.positions[Surname1].kangxiStrokes, a.positions[Surname2].kangxiStrokes,
                                             a.positions[Given1].kangxiStrokes, a.positions[Given2].kangxiStrokes);
    const QString g = gender.isEmpty() ? profileGender() : gender;
    return ScoredName{fullName,
                      a.pinyin,
                      a.elements,
                      a.simplifiedStrokes,
                      a.kangxiStrokes,
                      fiveGridsText(grids),
                      scoreName(luck, g, grids),
                      g == QLatin1String("nv") ? QStringLiteral("nv") : QStringLiteral("nan"),
                      singleSurname ? 1 : 2};
}

ScoredName scoreFullName(const QString &fullName, bool singleSurname, bool singleGiven, const QString &gender)
{
    return scoreFullName(sharedCharacterTables(), sharedLuckTables(), fullName, singleSurname, singleGiven, gender);
}

std::optional<ScoredName> scoreTypedName(CharacterTables &chars, LuckTables &luck, const QString &surname,
                                         const QString &given, const QString &gender)
{
    // Both are tested, whatever the first gives.
    const bool surnameOk = chars.isAllInDictionary(surname);
    const bool givenOk = chars.isAllInDictionary(given);
    if (!surnameOk || !givenOk)
        return std::nullopt;
    return scoreFullName(chars, luck, surname + given, surname.size() == 1, given.size() == 1, gender);
}

} // namespace qiming::numerology
