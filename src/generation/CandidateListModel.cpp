#include "generation/CandidateListModel.h"

#include "data/SharedDatabase.h"

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
    // No exact reserve here: growing by each batch's size would copy the whole list every tick.
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
    // The save renames a finished file over the target: the lock on the database cannot
    // stop that, so the program's own files are refused by identity, whatever the name.
    if (data::sharedDatabase().isOwnFile(path)) {
        *error = QStringLiteral("不能导出到 %1：这个文件属于程序的数据库，覆盖它会丢失您的个人信息和自选名字。"
                                "请换一个文件名。")
                     .arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    // A short write (a full disk) sets no error of its own: count the bytes, and keep the
    // old file unless every one of them is written.
    const QByteArray bytes = exportText(table, withHeader);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.error() == QFileDevice::NoError ? QStringLiteral("文件没有写完整，磁盘可能已满")
                                                                    : file.errorString();
        file.cancelWriting();
        *error = QStringLiteral("无法写入文件 %1：%2。原来的文件没有改动。").arg(path, reason);
        return false;
    }
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
