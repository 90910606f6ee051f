// Pet names (小名): two characters in one of three patterns, judged by the 81-number verdict
// of the total grid they make with the family surname.
#pragma once

#include "data/LazyRowSet.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace qiming::numerology {
class CharacterTables;
}

namespace qiming::othernames {

enum class NicknamePattern { Double, LittlePrefix, ErSuffix }; // AA, 小A, A儿

// The pet name a drawn text makes in a pattern.
QString formNickname(const QString &drawn, NicknamePattern pattern);

// One row of the result grid, columns in header order.
struct NicknameRow {
    enum Column { Number, Nickname, Pinyin, Elements, SimplifiedStrokes, KangxiStrokes, Verdict, Luck, ColumnCount };
    std::array<QString, ColumnCount> cells;

    QString cell(Column c) const { return cells[size_t(c)]; }
    bool isEmpty() const { return cells[Nickname].isEmpty(); }
};

QStringList nicknameHeader();

// 大吉 5, 吉 4, 半吉 3, 凶 2, 大凶 1, anything else 0.
int verdictRank(const QString &luck);
// Highest rank first; rows of equal rank keep their order. Then numbered 1, 2, 3 … from the top.
void sortByVerdict(std::vector<NicknameRow> &rows);

// Columns 1 to 7 joined by tabs, so that the row pastes into a spreadsheet's cells.
QString nicknameClipboardText(const NicknameRow &row);
QString nicknameClipboardText(const QStringList &cellsOfRow);

class NicknameMaker final {
public:
    NicknameMaker(data::Database &db, numerology::CharacterTables &chars);

    // count rows in the order they were drawn: rows 4, 8, 12 … from 小名, all others from
    // 五行, only characters that 字典 has. Throws data::DatabaseError when a table cannot be
    // read or holds no such character.
    std::vector<NicknameRow> drawNicknames(NicknamePattern pattern, const QString &surname, int count);
    // Drawn, sorted by verdict and numbered.
    std::vector<NicknameRow> generateNicknames(NicknamePattern pattern, const QString &surname, int count = 300);
    // The evaluation of a typed pet name as row 1; empty when it is not two dictionary characters.
    std::optional<NicknameRow> testNickname(const QString &text, const QString &surname);

    // The row of a pet name with the surname: columns 1 to 7.
    NicknameRow evaluate(const QString &nickname, const QString &surname, bool singleGiven);

private:
    const QStringList &fiveElementsPool();
    const QStringList &nicknamePool();

    data::Database &m_db;
    numerology::CharacterTables &m_chars;
    data::LazyRowSet m_fiveElements;
    data::LazyRowSet m_nicknames;
    data::LazyRowSet m_numbers;
    QStringList m_fiveElementsPool;
    QStringList m_nicknamePool;
};

// Over the program's one connection and character tables.
NicknameMaker &sharedNicknameMaker();

} // namespace qiming::othernames
