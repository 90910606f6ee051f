// Classic mode: 81 × 5 random full names from the gender's common characters, unscored
// until the user opens one or hands the whole table to the condition filter.
#pragma once

#include "generation/CandidateListModel.h"

#include <QAbstractTableModel>

#include <array>
#include <functional>

namespace qiming::numerology {
class CharacterTables;
}

namespace qiming::generation {

// What a draw takes from the profile; the table keeps it to score its names later.
struct ClassicSetup {
    QString surname;
    QString gender;         // "nv" draws from the girls' characters, anything else the boys'
    int givenNameLength = 2;
    QString fixedChar;      // in effect, or empty
    int fixedPosition = 1;  // 1 or 2
};

// A drawn name is shown only when this accepts it; without one, the draw leaves out names with a
// strong homophone (谐音) warning.
using ClassicNameCheck = std::function<bool(const QString &fullName)>;

class ClassicNameModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRows = 81;
    static constexpr int kColumns = 5;

    explicit ClassicNameModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // "生成名字": every cell anew, column by column. A drawn name that is empty in part or
    // fails the name check is drawn again, a bounded number of times; the cell then stays
    // empty rather than showing such a name.
    void generate(numerology::CharacterTables &chars, const ClassicSetup &setup,
                  ClassicNameCheck accept = {});
    QString name(int row, int column) const;
    // Surname, length flags and gender of the last draw: the names are scored with these.
    const RunIdentity &identity() const { return m_identity; }
    bool isEmpty() const { return m_empty; }

private:
    std::array<std::array<QString, kColumns>, kRows> m_names;
    RunIdentity m_identity;
    bool m_empty = true;
};

// "筛选": every non-empty cell scored with the draw's flags and gender, row by row and in
// column order within a row, then sorted by score and numbered from 1.
void buildScoredList(const ClassicNameModel &names, CandidateListModel &list);

} // namespace qiming::generation
