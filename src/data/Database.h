// One connection to a database file: lock, header restore, engine, password check;
// and the statements every query of the program runs through, with bound parameters.
#pragma once

#include "data/DatabaseFile.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace qiming::data {

class Database final {
public:
    enum class OpenResult { Ok, Missing, Locked, ReadOnly, NotADatabase, WrongPassword, EngineError };

    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Locks the file, restores its header, connects exclusively and checks the password.
    // On failure the file is left with the bytes it had.
    OpenResult open(const QString &path, const QString &password, QString *error = nullptr);
    // A new database file at path (which must not exist), stamped with the password's hash.
    OpenResult create(const QString &path, const QString &password, QString *error = nullptr);
    // Finalises every statement, disconnects and disguises the file. Returns false (with the
    // message) when disconnecting or disguising failed; the connection is gone either way.
    bool close(QString *error = nullptr);

    bool isOpen() const { return m_db != nullptr; }
    // Different for every connection ever opened in this process (0 when closed): row sets
    // kept beyond one connection compare it to know they are stale.
    quint64 connectionId() const { return m_connectionId; }
    const QString &path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }
    // Whether path leads to this open file or its journal, by whatever name.
    bool isOwnFile(const QString &path) const;

    // Runs a statement that returns no rows (or ignores them). Throws DatabaseError.
    void exec(const QString &sql, const QVariantList &params = {});
    // Steps a query, calling onRow for each row with the prepared statement. Throws DatabaseError.
    void forEachRow(const QString &sql, const QVariantList &params,
                    const std::function<void(sqlite3_stmt *)> &onRow);
    // The result columns of a query, without running it.
    QStringList columnNames(const QString &sql, const QVariantList &params = {});
    // The first column of the first row, or a null QVariant.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    // Whether the file has that table (names compare as SQLite does, ASCII case ignored): a
    // file built by an older release lacks the newer ones.
    bool hasTable(const QString &name);
    qint64 lastInsertRowId() const;

    void beginTransaction();
    void commit();
    void rollback() noexcept;

    // Called before the connection closes, so holders of statements can let go of them.
    void setBeforeClose(std::function<void()> hook) { m_beforeClose = std::move(hook); }

    static QString readText(sqlite3_stmt *stmt, int column, bool *isNull = nullptr);

private:
    friend class Statement;
    OpenResult connect(const QString &path, bool creating, QString *error);
    sqlite3_stmt *prepare(const QString &sql, const QVariantList &params, bool checkParams = true);
    [[noreturn]] void fail(const QString &sql) const;
    void dropConnection();

    sqlite3 *m_db = nullptr;
    DatabaseFile m_file;
    QString m_path;
    quint64 m_connectionId = 0;
    std::function<void()> m_beforeClose;
};

// A statement prepared once and run many times (bulk inserts).
class Statement final {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    // Binds, steps to the end and resets. Throws DatabaseError.
    void run(const QVariantList &params);

private:
    Database &m_db;
    QString m_sql;
    sqlite3_stmt *m_stmt = nullptr;
};

QString passwordHash(const QByteArray &salt, const QString &password);

} // namespace qiming::data
