// A query's rows loaded whole into memory, with a current row that lookups position.
// Lookups by value use an index built once per column, so positioning never scans.
#pragma once

#include <QBitArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <vector>

namespace qiming::data {

class Database;

class RowSet {
public:
    RowSet() = default;

    // Runs the query and keeps every row. Throws DatabaseError.
    static RowSet load(Database &db, const QString &sql, const QVariantList &params = {});

    bool isOpen() const { return m_open; }
    int rowCount() const { return m_rowCount; }
    int columnCount() const { return int(m_columns.size()); }
    const QStringList &columnNames() const { return m_columns; }
    // The first column of that name (ASCII case ignored), or -1.
    int columnIndex(const QString &name) const;

    QString value(int row, int column) const;
    QString value(int row, const QString &column) const;
    bool isNull(int row, int column) const;

    // The current row: -1 when there are no rows.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    bool isEmpty() const { return m_rowCount == 0; }
    QString field(int column) const { return value(m_current, column); }
    QString field(const QString &column) const { return value(m_current, column); }

    // The first row whose column equals value exactly, or -1.
    int findRow(int column, const QString &value) const;
    int findRow(const QString &column, const QString &value) const;
    // Moves to that row; when there is none the current row stays where it was.
    bool locate(const QString &column, const QString &value);

protected:
    void appendRow(const QStringList &values, const QBitArray &nulls);
    void setCell(int row, int column, const QString &value, bool isNull);
    void removeRow(int row);
    void invalidateIndexes() { m_indexes.clear(); }

    bool m_open = false;
    QStringList m_columns;
    std::vector<QString> m_cells; // row-major
    QBitArray m_nulls;
    int m_rowCount = 0;
    int m_current = -1;
    mutable QHash<int, std::shared_ptr<const QHash<QString, int>>> m_indexes;
};

} // namespace qiming::data
