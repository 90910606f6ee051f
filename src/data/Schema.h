// Every table of the database file, its columns and key columns. The builder creates the
// tables from this; the program itself never creates, alters or drops one.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace qiming::data {

struct ColumnDef {
    QString name;
    QString type;      // SQL type with collation, e.g. "text collate nocase"
    bool key = false;  // looked up by value: indexed
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    QStringList uniqueKey; // columns that identify a row, empty when rows may repeat
    bool userData = false; // written by the user; carried over unchanged by an upgrade

    const ColumnDef *column(const QString &name) const;
    QStringList columnNames() const;
};

const std::vector<TableDef> &schemaTables();
const TableDef *findTable(const QString &name);

QString quoteIdentifier(const QString &name);
QString createTableSql(const TableDef &table);
QStringList createIndexSql(const TableDef &table);

} // namespace qiming::data
