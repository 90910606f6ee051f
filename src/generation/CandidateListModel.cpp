#include "generation/CandidateListModel.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <array>

namespace qiming::generation {

CandidateListModel::CandidateListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int CandidateListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CandidateListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CandidateListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    // The whole text as a tooltip too: the fixed column widths cut long pinyin and grids.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_rows[size_t(index.row())].cell(index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == Serial || index.column() == Score))
        return int(Qt::AlignCenter);
    return {};
}

QVariant CandidateListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return m_hasHeader ? candidateHeader().value(section) : QString();
}

void CandidateListModel::writeCandidateHeader()
{
    m_hasHeader = true;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void CandidateListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CandidateListModel::appendCandidates(std::vector<numerology::ScoredName> &&names)
{
    if (names.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(names.size()) - 1);
    m_rows.reserve(m_rows.size() + names.size());
    for (auto &n : names)
        m_rows.push_back({QString::number(m_rows.size() + 1), std::move(n)});
    endInsertRows();
}

void CandidateListModel::setRows(std::vector<NameCandidate> &&rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CandidateListModel::sortByScore()
{
    // One group per score, filled top to bottom: equal scores keep their order.
    std::array<std::vector<size_t>, 101> groups;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        bool ok = false;
        const int score = m_rows[r].scored.score.toInt(&ok);
        if (ok && score >= 0 && score <= 100)
            groups[size_t(score)].push_back(r);
    }
    std::vector<NameCandidate> sorted;
    sorted.reserve(m_rows.size());
    for (int score = 100; score >= 0; --score)
        for (size_t r : groups[size_t(score)])
            sorted.push_back(m_rows[r]);
    std::copy(sorted.begin(), sorted.end(), m_rows.begin());
    // Numbered again down to the first row without a name.
    for (size_t r = 0; r < m_rows.size() && !m_rows[r].scored.name.isEmpty(); ++r)
        m_rows[r].serial = QString::number(r + 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
}

QByteArray exportText(const QAbstractItemModel &table, bool withHeader)
{
    QString text;
    const int columns = table.columnCount();
    const auto line = [&text, columns](const auto &cellOf) {
        for (int c = 0; c < columns; ++c)
            text += cellOf(c) + QLatin1Char('|');
        text += QLatin1String("\r\n");
    };
    if (withHeader)
        line([&](int c) { return table.headerData(c, Qt::Horizontal).toString(); });
    const int rows = table.rowCount();
    if (rows == 0)
        line([](int) { return QString(); });
    for (int r = 0; r < rows; ++r)
        line([&](int c) { return table.data(table.index(r, c)).toString(); });
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QByteArray exportText(const CandidateListModel &list)
{
    return exportText(list, list.hasHeader());
}

bool exportList(const QAbstractItemModel &table, bool withHeader, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    file.write(exportText(table, withHeader));
    if (!file.commit()) {
        *error = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool exportList(const CandidateListModel &list, const QString &path, QString *error)
{
    return exportList(list, list.hasHeader(), path, error);
}

} // namespace qiming::generation
