// The poem table as poetry mode walks it: dynasties, a dynasty's poets, a poet's titles, a
// poem's text, and a search by title, poet or verse. Every query is bound, so a quote in a
// name is only a character.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace qiming::data {
class Database;
}

namespace qiming::generation {

struct PoemKey {
    QString dynasty;
    QString poet;
    QString title;
    bool operator==(const PoemKey &) const = default;
};

class PoemLibrary final {
public:
    explicit PoemLibrary(data::Database &db);

    // Each throws data::DatabaseError.
    QStringList dynasties();
    QStringList poets(const QString &dynasty);
    // Titles and text are those of the poet within the dynasty: a title such as 浣溪沙 is
    // shared by many poets.
    QStringList titles(const QString &dynasty, const QString &poet);
    QString poemText(const PoemKey &poem);
    // Poems whose title, poet or text holds the words; exact titles first, then titles,
    // poets and verses, best known first within each.
    std::vector<PoemKey> search(const QString &words, int limit = 30);

private:
    data::Database &m_db;
};

// One check box of the character picker: column x and line y from 1, and its caption.
struct PickerCell {
    int x = 1;
    int y = 1;
    QString text;
};

// The poem laid out line by line: "，" "。" "、" "！" "？", CR and LF each start a new line
// without a box; every other character (a surrogate pair as one) gets a box.
std::vector<PickerCell> layoutPoem(const QString &text);

} // namespace qiming::generation
