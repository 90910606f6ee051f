// The numerology over the program's one connection: the tables are loaded on first use
// and kept, so every page, the command line and the benchmarks share them.
#pragma once

#include "numerology/CharacterTables.h"
#include "numerology/FiveGrids.h"
#include "numerology/Homophones.h"
#include "numerology/LuckTables.h"
#include "numerology/NameScore.h"
#include "numerology/ScoredName.h"

#include <optional>

namespace qiming::numerology {

CharacterTables &sharedCharacterTables();
LuckTables &sharedLuckTables();
// Built on first use from the current connection's N81 and sc.
const ScoreTable &sharedScoreTable();
// Built on first use from the current connection's 谐音.
const HomophoneTable &sharedHomophoneTable();

HanziInfo lookupHanzi(const QString &ch, bool *found = nullptr);
bool isAllInDictionary(const QString &text);
NameAttributes lookupFullName(const QString &name, bool singleSurname, bool singleGiven);
QString kangxiStrokesOf(const QString &ch);
QString randomCommonChar(const QString &gender);
QString luckLevelOf(const QString &number);
SancaiVerdict sancaiVerdictOf(const QString &key);
QString scoreName(const QString &gender, const FiveGrids &grids);

// A full name split by the flags (not by its length), its texts, grids and score for a gender
// (empty: the profile's). The candidate lists' and the favourites' rows are made this way.
ScoredName scoreFullName(CharacterTables &chars, LuckTables &luck, const QString &fullName, bool singleSurname,
                         bool singleGiven, const QString &gender);
ScoredName scoreFullName(const QString &fullName, bool singleSurname, bool singleGiven, const QString &gender);

// A typed surname and given name scored for a gender: both must pass the dictionary test,
// their lengths decide single or compound surname and one- or two-character given name.
// Empty when the input fails the test.
std::optional<ScoredName> scoreTypedName(const QString &surname, const QString &given, const QString &gender);
std::optional<ScoredName> scoreTypedName(CharacterTables &chars, LuckTables &luck, const QString &surname,
                                         const QString &given, const QString &gender);

} // namespace qiming::numerology
