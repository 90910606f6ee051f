// A row set opened on first use and kept; loaded again only when the connection it came
// from has been replaced by another one.
#pragma once

#include "data/Database.h"
#include "data/RowSet.h"

namespace qiming::data {

class LazyRowSet final {
public:
    explicit LazyRowSet(QString sql)
        : m_sql(std::move(sql))
    {
    }

    // Throws DatabaseError when it has to load and cannot.
    RowSet &get(Database &db)
    {
        if (!m_rows.isOpen() || (db.connectionId() != 0 && db.connectionId() != m_connection)) {
            m_rows = RowSet::load(db, m_sql);
            m_connection = db.connectionId();
            m_reloaded = true;
        }
        return m_rows;
    }
    // True once after each load: lets the owner rebuild what it derives from the rows.
    bool takeReloaded() { return std::exchange(m_reloaded, false); }

private:
    QString m_sql;
    RowSet m_rows;
    quint64 m_connection = 0;
    bool m_reloaded = false;
};

} // namespace qiming::data
