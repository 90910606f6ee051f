// A row set over one table that can edit, insert and delete rows and post them back.
// Rows are identified by their loaded values, as the original engine's row sets did, so the
// query texts stay exactly as they are.
#pragma once

#include "data/RowSet.h"

#include <QHash>

namespace qiming::data {

class EditableRowSet final : public RowSet {
public:
    EditableRowSet() = default;

    // Loads the query's rows; table names the one table they come from. Throws DatabaseError.
    static EditableRowSet load(Database &db, const QString &table, const QString &sql,
                               const QVariantList &params = {});

    enum class State { Browse, Edit, Insert };
    State state() const { return m_state; }

    void edit();   // puts the current row in edit state
    void append(); // starts a new row, written at the end by post()
    void setField(const QString &column, const QString &value);
    // Writes the edited or new row; throws DatabaseError and stays in its state on failure.
    void post();
    void cancel();
    // Deletes the current row from the table and the row set.
    void deleteCurrent();

private:
    QString whereRowMatches(int row, QVariantList &params) const;
    QVariant boundValue(int column, const QString &value, bool isNull) const;

    Database *m_db = nullptr;
    QString m_table;
    QStringList m_columnTypes;
    State m_state = State::Browse;
    QHash<int, QString> m_pending; // column -> new value
};

} // namespace qiming::data
