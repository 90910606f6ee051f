#include "data/EditableRowSet.h"

#include "data/Database.h"
#include "data/DatabaseError.h"
#include "data/Schema.h"

#include <sqlite3.h>

namespace qiming::data {

EditableRowSet EditableRowSet::load(Database &db, const QString &table, const QString &sql,
                                    const QVariantList &params)
{
    EditableRowSet rs;
    static_cast<RowSet &>(rs) = RowSet::load(db, sql, params);
    rs.m_db = &db;
    rs.m_table = table;
    const TableDef *def = findTable(table);
    for (const QString &c : rs.m_columns) {
        const ColumnDef *col = def ? def->column(c) : nullptr;
        rs.m_columnTypes << (col ? col->type : QString());
    }
    return rs;
}

void EditableRowSet::edit()
{
    if (m_state != State::Browse)
        return;
    if (m_current < 0)
        throw DatabaseError(QStringLiteral("%1: 没有可编辑的记录").arg(m_table));
    m_pending.clear();
    m_state = State::Edit;
}

void EditableRowSet::append()
{
    cancel();
    m_state = State::Insert;
}

void EditableRowSet::setField(const QString &column, const QString &value)
{
    if (m_state == State::Browse)
        edit();
    const int c = columnIndex(column);
    if (c < 0)
        throw DatabaseError(QStringLiteral("%1: 没有列 %2").arg(m_table, column));
    m_pending.insert(c, value);
}

void EditableRowSet::cancel()
{
    m_pending.clear();
    m_state = State::Browse;
}

QVariant EditableRowSet::boundValue(int column, const QString &value, bool isNull) const
{
    if (isNull)
        return {};
    // Compare numbers as numbers: a bound text never equals an integer column's value.
    const QString type = m_columnTypes.value(column);
    if (type.contains(QLatin1String("int")) || type.contains(QLatin1String("numeric"))) {
        bool ok = false;
        const qlonglong i = value.toLongLong(&ok);
        if (ok)
            return i;
        const double d = value.toDouble(&ok);
        if (ok)
            return d;
    }
    return value;
}

QString EditableRowSet::whereRowMatches(int row, QVariantList &params) const
{
    QStringList conditions;
    for (int c = 0; c < m_columns.size(); ++c) {
        conditions << quoteIdentifier(m_columns.at(c)) + QStringLiteral(" is ?");
        params << boundValue(c, value(row, c), isNull(row, c));
    }
    return QStringLiteral("rowid = (select rowid from %1 where %2 limit 1)")
        .arg(quoteIdentifier(m_table), conditions.join(QStringLiteral(" and ")));
}

void EditableRowSet::post()
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("记录集没有打开"));
    if (m_state == State::Browse)
        return;
    if (m_state == State::Edit) {
        if (m_pending.isEmpty()) {
            cancel();
            return;
        }
        QStringList sets;
        QVariantList params;
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            sets << quoteIdentifier(m_columns.at(it.key())) + QStringLiteral(" = ?");
            params << it.value();
        }
        const QString where = whereRowMatches(m_current, params);
        m_db->exec(QStringLiteral("update %1 set %2 where %3")
                       .arg(quoteIdentifier(m_table), sets.join(QStringLiteral(", ")), where),
                   params);
        if (sqlite3_changes(m_db->handle()) != 1)
            throw DatabaseError(QStringLiteral("%1: 记录已被修改或删除").arg(m_table));
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
            setCell(m_current, it.key(), it.value(), false);
    } else {
        QStringList cols;
        QStringList marks;
        QVariantList params;
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            cols << quoteIdentifier(m_columns.at(it.key()));
            marks << QStringLiteral("?");
            params << it.value();
        }
        const QString sql = cols.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(quoteIdentifier(m_table))
            : QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(quoteIdentifier(m_table), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        m_db->exec(sql, params);
        // Read the row back, so engine-assigned values (the ID) are in the row set.
        QStringList quoted;
        for (const QString &c : m_columns)
            quoted << quoteIdentifier(c);
        const RowSet fresh = RowSet::load(*m_db,
                                          QStringLiteral("select %1 from %2 where rowid = ?")
                                              .arg(quoted.join(QStringLiteral(", ")), quoteIdentifier(m_table)),
                                          {m_db->lastInsertRowId()});
        QStringList values;
        QBitArray nulls(m_columns.size());
        for (int c = 0; c < m_columns.size(); ++c) {
            values << fresh.value(0, c);
            nulls.setBit(c, fresh.isNull(0, c));
        }
        appendRow(values, nulls);
        m_current = m_rowCount - 1;
    }
    cancel();
}

void EditableRowSet::deleteCurrent()
{
    if (!m_db || m_current < 0)
        throw DatabaseError(QStringLiteral("%1: 没有可删除的记录").arg(m_table));
    cancel();
    QVariantList params;
    const QString where = whereRowMatches(m_current, params);
    m_db->exec(QStringLiteral("delete from %1 where %2").arg(quoteIdentifier(m_table), where), params);
    removeRow(m_current);
}

} // namespace qiming::data
