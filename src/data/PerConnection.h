// Something derived from the database, made on first use and kept; made again only when
// the connection it came from has been replaced by another one.
#pragma once

#include "data/Database.h"

#include <memory>

namespace qiming::data {

template<typename T>
class PerConnection final {
public:
    // make(db) builds the value; it may throw DatabaseError, leaving nothing kept.
    template<typename Make>
    T &get(Database &db, Make make)
    {
        const quint64 current = db.connectionId();
        if (!m_value || (current != 0 && current != m_connection)) {
            m_value.reset();
            m_value = std::make_unique<T>(make(db));
            m_connection = current;
        }
        return *m_value;
    }
    void reset() { m_value.reset(); }

private:
    std::unique_ptr<T> m_value;
    quint64 m_connection = 0;
};

} // namespace qiming::data
