#include "generation/ClassicNames.h"

#include "numerology/CharacterTables.h"
#include "numerology/Homophones.h"
#include "numerology/NameCheck.h"
#include "numerology/SharedNumerology.h"

#include <memory>

namespace qiming::generation {

namespace {
// Enough for any real character list; a list that cannot make a name does not hang the page.
constexpr int kDrawAttempts = 64;
}

ClassicNameModel::ClassicNameModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ClassicNameModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int ClassicNameModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ClassicNameModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= kRows || index.column() >= kColumns)
        return {};
    if (role == Qt::DisplayRole)
        return m_names[size_t(index.row())][size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QString ClassicNameModel::name(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    return m_names[size_t(row)][size_t(column)];
}

void ClassicNameModel::generate(numerology::CharacterTables &chars, const ClassicSetup &setup,
                                ClassicNameCheck accept)
{
    std::unique_ptr<numerology::HomophoneTable> homophones;
    if (!accept) {
        homophones = std::make_unique<numerology::HomophoneTable>(numerology::HomophoneTable::load(chars.database()));
        accept = [&](const QString &full) {
            return !numerology::hasStrongHomophone(chars, *homophones, setup.surname, full.mid(setup.surname.size()));
        };
    }
    const bool girl = setup.gender == QLatin1String("nv");
    const QString pool = girl ? QStringLiteral("nv") : QStringLiteral("nan");
    const bool oneChar = setup.givenNameLength == 1;
    const QString fixedFirst = setup.fixedPosition == 1 ? setup.fixedChar : QString();
    const QString fixedSecond = setup.fixedPosition == 2 && !oneChar ? setup.fixedChar : QString();

    const auto draw = [&]() -> QString {
        for (int attempt = 0; attempt < kDrawAttempts; ++attempt) {
            const QString g1 = fixedFirst.isEmpty() ? chars.randomCommonChar(pool) : fixedFirst;
            const QString g2 = oneChar ? QString() : fixedSecond.isEmpty() ? chars.randomCommonChar(pool) : fixedSecond;
            // A drawn character without a 五行 row comes back empty: the name would be short.
            if (g1.isEmpty() || (!oneChar && g2.isEmpty()))
                continue;
            const QString full = setup.surname + g1 + g2;
            if (accept(full))
                return full;
        }
        return {};
    };

    beginResetModel();
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r)
            m_names[size_t(r)][size_t(c)] = draw();
    m_identity = {setup.surname.size() == 1, oneChar, girl ? QStringLiteral("nv") : QStringLiteral("nan")};
    m_empty = false;
    endResetModel();
}

void buildScoredList(const ClassicNameModel &names, CandidateListModel &list)
{
    list.writeCandidateHeader();
    const RunIdentity &id = names.identity();
    std::vector<numerology::ScoredName> rows;
    rows.reserve(ClassicNameModel::kRows * ClassicNameModel::kColumns);
    for (int r = 0; r < ClassicNameModel::kRows; ++r)
        for (int c = 0; c < ClassicNameModel::kColumns; ++c)
            if (const QString name = names.name(r, c); !name.isEmpty())
                rows.push_back(numerology::scoreFullName(name, id.singleSurname, id.singleGiven, id.gender));
    list.clear();
    list.setIdentity(id);
    list.appendCandidates(std::move(rows));
    list.sortByScore();
}

} // namespace qiming::generation
