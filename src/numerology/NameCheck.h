// The name check (名字体检): what a parent should know about a name before registering it,
// apart from its numbers: the characters' standard levels and forms, homophones, sound and
// shape. One engine for the report, the command line and the generators.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::numerology {

class CharacterTables;
class HomophoneTable;

enum class FindingLevel { Strong, Note };

struct NameFinding {
    FindingLevel level = FindingLevel::Note;
    QString kind; // 用字 谐音 多音 音律 字形
    QString text;
};

// "强" or "提示"
QString levelText(FindingLevel level);

// One character of the name as 用字 holds it.
struct CharacterUsage {
    QString zi;
    int level = 0;          // 通用规范 level 1-3; 0 outside the table or unknown
    bool known = false;     // 用字 has a row
    QString radical;
    QStringList readings;   // usual first
    QString standard;       // for a traditional or variant form: the standard character
    QString variantKind;    // 繁体 or 异体
    int simplifiedStrokes = 0;
};

// 常用字, 次常用字, 三级字, or 规范表外 for 0.
QString usageLevelWords(int level);

struct NameCheck {
    QString surname;
    QString given;
    QStringList reading;                 // one tone-marked syllable per character
    std::vector<CharacterUsage> characters;
    std::vector<NameFinding> findings;   // strong ones first
    bool hasStrong() const;
};

// Checks a typed name (surname one or two characters, given name one or two). Runs a bound
// query per character on 用字 (none when the file predates it).
NameCheck checkName(data::Database &db, CharacterTables &chars, const HomophoneTable &homophones,
                    const QString &surname, const QString &given);
// On the shared connection and tables.
NameCheck checkName(const QString &surname, const QString &given);

// Whether the name reads tone for tone like a 谐音 entry: what a generator must never propose.
bool hasStrongHomophone(CharacterTables &chars, const HomophoneTable &homophones, const QString &surname,
                        const QString &given);

} // namespace qiming::numerology
