#include "data/RowSet.h"

#include "data/Database.h"

#include <sqlite3.h>

namespace qiming::data {

RowSet RowSet::load(Database &db, const QString &sql, const QVariantList &params)
{
    RowSet rs;
    bool haveColumns = false;
    db.forEachRow(sql, params, [&](sqlite3_stmt *stmt) {
        const int n = sqlite3_column_count(stmt);
        if (!haveColumns) {
            for (int c = 0; c < n; ++c)
                rs.m_columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
            haveColumns = true;
        }
        rs.m_nulls.resize(qsizetype(rs.m_cells.size()) + n);
        for (int c = 0; c < n; ++c) {
            bool isNull = false;
            QString text = Database::readText(stmt, c, &isNull);
            if (isNull)
                rs.m_nulls.setBit(qsizetype(rs.m_cells.size()));
            rs.m_cells.push_back(std::move(text));
        }
        ++rs.m_rowCount;
    });
    if (!haveColumns) {
        // No rows: still learn the column names, which readers may ask for.
        rs.m_columns = db.columnNames(sql, params);
    }
    rs.m_open = true;
    rs.m_current = rs.m_rowCount > 0 ? 0 : -1;
    return rs;
}

int RowSet::columnIndex(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString RowSet::value(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return {};
    return m_cells[size_t(row) * size_t(m_columns.size()) + size_t(column)];
}

QString RowSet::value(int row, const QString &column) const
{
    return value(row, columnIndex(column));
}

bool RowSet::isNull(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return true;
    return m_nulls.testBit(qsizetype(row) * m_columns.size() + column);
}

void RowSet::setCurrentRow(int row)
{
    if (row >= 0 && row < m_rowCount)
        m_current = row;
}

int RowSet::findRow(int column, const QString &value) const
{
    if (column < 0 || column >= m_columns.size())
        return -1;
    auto it = m_indexes.constFind(column);
    if (it == m_indexes.constEnd()) {
        auto index = std::make_shared<QHash<QString, int>>();
        index->reserve(m_rowCount);
        // Backwards, so that each key ends on its first row.
        for (int r = m_rowCount - 1; r >= 0; --r)
            (*index)[this->value(r, column)] = r;
        it = m_indexes.insert(column, index);
    }
    return (*it)->value(value, -1);
}

int RowSet::findRow(const QString &column, const QString &value) const
{
    return findRow(columnIndex(column), value);
}

bool RowSet::locate(const QString &column, const QString &value)
{
    const int row = findRow(column, value);
    if (row < 0)
        return false;
    m_current = row;
    return true;
}

void RowSet::appendRow(const QStringList &values, const QBitArray &nulls)
{
    const qsizetype start = qsizetype(m_cells.size());
    m_nulls.resize(start + m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c) {
        m_cells.push_back(values.value(c));
        if (nulls.testBit(c))
            m_nulls.setBit(start + c);
    }
    ++m_rowCount;
    invalidateIndexes();
}

void RowSet::setCell(int row, int column, const QString &value, bool isNull)
{
    const qsizetype i = qsizetype(row) * m_columns.size() + column;
    m_cells[size_t(i)] = value;
    m_nulls.setBit(i, isNull);
    invalidateIndexes();
}

void RowSet::removeRow(int row)
{
    const qsizetype n = m_columns.size();
    const qsizetype start = qsizetype(row) * n;
    m_cells.erase(m_cells.begin() + start, m_cells.begin() + start + n);
    QBitArray nulls(m_nulls.size() - n);
    for (qsizetype i = 0, j = 0; i < m_nulls.size(); ++i)
        if (i < start || i >= start + n)
            nulls.setBit(j++, m_nulls.testBit(i));
    m_nulls = nulls;
    --m_rowCount;
    if (m_current >= m_rowCount)
        m_current = m_rowCount - 1;
    invalidateIndexes();
}

} // namespace qiming::data
