#include "data/Database.h"

#include "data/DatabaseError.h"
#include "data/JetVfs.h"
#include "data/Schema.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

namespace qiming::data {

namespace {

constexpr int kHashRounds = 20000;
quint64 g_lastConnectionId = 0;

Database::OpenResult fileStatusToResult(DatabaseFile::Status s)
{
    switch (s) {
    case DatabaseFile::Status::Ok: return Database::OpenResult::Ok;
    case DatabaseFile::Status::Missing: return Database::OpenResult::Missing;
    case DatabaseFile::Status::Locked: return Database::OpenResult::Locked;
    case DatabaseFile::Status::ReadOnly: return Database::OpenResult::ReadOnly;
    case DatabaseFile::Status::NotADatabase: return Database::OpenResult::NotADatabase;
    case DatabaseFile::Status::IoError: return Database::OpenResult::EngineError;
    }
    return Database::OpenResult::EngineError;
}

void bindAll(sqlite3_stmt *stmt, const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params.at(i);
        const int slot = i + 1;
        if (v.isNull() || !v.isValid()) {
            sqlite3_bind_null(stmt, slot);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            sqlite3_bind_int64(stmt, slot, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(stmt, slot, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(stmt, slot, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = v.toString().toUtf8();
            sqlite3_bind_text(stmt, slot, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
}

} // namespace

QString passwordHash(const QByteArray &salt, const QString &password)
{
    QByteArray digest = salt + password.toUtf8();
    for (int i = 0; i < kHashRounds; ++i)
        digest = QCryptographicHash::hash(salt + digest, QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex());
}

Database::~Database()
{
    close();
}

Database::OpenResult Database::open(const QString &path, const QString &password, QString *error)
{
    close();
    const OpenResult fileResult = fileStatusToResult(m_file.open(path, error));
    if (fileResult != OpenResult::Ok)
        return fileResult;

    // A journal left beside the file that holds nothing to roll back (zeroed by a connection
    // that ended without removing it) goes; a hot one stays for the engine to roll back.
    removeStaleJournal(path);
    QString why;
    if (!m_file.restore(&why)) {
        m_file.putBackOriginalHeader(nullptr);
        m_file.close();
        if (error)
            *error = why;
        return OpenResult::ReadOnly;
    }
    OpenResult result = connect(path, false, error);
    if (result == OpenResult::Ok) {
        try {
            const QString salt = scalar(QStringLiteral("select value from qiming_meta where key = ?"),
                                        {QStringLiteral("password_salt")}).toString();
            const QString hash = scalar(QStringLiteral("select value from qiming_meta where key = ?"),
                                        {QStringLiteral("password_hash")}).toString();
            if (salt.isEmpty() || passwordHash(QByteArray::fromHex(salt.toLatin1()), password) != hash) {
                result = OpenResult::WrongPassword;
                if (error)
                    *error = QStringLiteral("%1: 数据库密码不正确").arg(path);
            }
        } catch (const DatabaseError &e) {
            result = OpenResult::NotADatabase;
            if (error)
                *error = e.message();
        }
    }
    if (result != OpenResult::Ok) {
        dropConnection();
        m_file.putBackOriginalHeader(nullptr);
        m_file.close();
        return result;
    }
    m_path = path;
    m_connectionId = ++g_lastConnectionId;
    return OpenResult::Ok;
}

Database::OpenResult Database::create(const QString &path, const QString &password, QString *error)
{
    close();
    if (QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("%1: 文件已存在").arg(path);
        return OpenResult::Locked;
    }
    const OpenResult fileResult = fileStatusToResult(m_file.create(path, error));
    if (fileResult != OpenResult::Ok)
        return fileResult;
    OpenResult result = connect(path, true, error);
    if (result == OpenResult::Ok) {
        try {
            exec(QStringLiteral("create table qiming_meta (key text primary key collate nocase, value text)"));
            QByteArray salt(16, Qt::Uninitialized);
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), 4);
            const QString insert = QStringLiteral("insert into qiming_meta (key, value) values (?, ?)");
            exec(insert, {QStringLiteral("password_salt"), QString::fromLatin1(salt.toHex())});
            exec(insert, {QStringLiteral("password_hash"), passwordHash(salt, password)});
        } catch (const DatabaseError &e) {
            result = OpenResult::EngineError;
            if (error)
                *error = e.message();
        }
    }
    if (result != OpenResult::Ok) {
        dropConnection();
        m_file.close();
        QFile::remove(path);
        return result;
    }
    m_path = path;
    m_connectionId = ++g_lastConnectionId;
    return OpenResult::Ok;
}

Database::OpenResult Database::connect(const QString &path, bool creating, QString *error)
{
    const int flags = SQLITE_OPEN_READWRITE | (creating ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    // Always a plain absolute path: the engine may read a name starting with "file:" as a URI
    // and open another file than the one locked and restored.
    const QByteArray native = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    int rc = sqlite3_open_v2(native.constData(), &m_db, flags, jetVfsName());
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(m_db, 1);
        // Exclusive for the connection's whole life; the lock is only taken by a write
        // transaction, hence the empty one.
        rc = sqlite3_exec(m_db,
                          "pragma mmap_size=0; pragma locking_mode=exclusive; "
                          "pragma journal_mode=delete; begin exclusive; commit;",
                          nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                                              : QString::fromUtf8(sqlite3_errstr(rc)));
        dropConnection();
        return (rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT ? OpenResult::NotADatabase
               : (rc & 0xff) == SQLITE_READONLY                          ? OpenResult::ReadOnly
                                                                          : OpenResult::EngineError;
    }
    return OpenResult::Ok;
}

void Database::dropConnection()
{
    if (!m_db)
        return;
    while (sqlite3_stmt *stmt = sqlite3_next_stmt(m_db, nullptr))
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
    m_db = nullptr;
}

bool Database::close(QString *error)
{
    if (!m_db && !m_file.isOpen())
        return true;
    if (m_beforeClose)
        m_beforeClose();
    bool ok = true;
    if (m_db) {
        while (sqlite3_stmt *stmt = sqlite3_next_stmt(m_db, nullptr))
            sqlite3_finalize(stmt);
        if (sqlite3_close(m_db) != SQLITE_OK) {
            ok = false;
            if (error)
                *error = QString::fromUtf8(sqlite3_errmsg(m_db));
            sqlite3_close_v2(m_db); // let go of it anyway; the file stays restored
        }
        m_db = nullptr;
    }
    // In exclusive mode the engine keeps its journal, zeroed, after the last transaction;
    // at rest the file stands alone.
    if (ok && m_file.isOpen()) {
        const QString journal = m_file.journalPath();
        if (QFileInfo::exists(journal) && !isHotJournal(journal))
            QFile::remove(journal);
        ok = m_file.disguise(error);
    }
    m_file.close();
    m_path.clear();
    m_connectionId = 0;
    return ok;
}

bool Database::isOwnFile(const QString &path) const
{
    return m_file.isSameFileOrJournal(path);
}

sqlite3_stmt *Database::prepare(const QString &sql, const QVariantList &params, bool checkParams)
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("数据库没有连接"));
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK)
        fail(sql);
    if (checkParams && sqlite3_bind_parameter_count(stmt) != params.size()) {
        sqlite3_finalize(stmt);
        throw DatabaseError(QStringLiteral("参数个数不符：%1").arg(sql));
    }
    bindAll(stmt, params);
    return stmt;
}

void Database::fail(const QString &sql) const
{
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)), sql);
}

void Database::exec(const QString &sql, const QVariantList &params)
{
    forEachRow(sql, params, [](sqlite3_stmt *) {});
}

void Database::forEachRow(const QString &sql, const QVariantList &params,
                          const std::function<void(sqlite3_stmt *)> &onRow)
{
    sqlite3_stmt *stmt = prepare(sql, params);
    int rc;
    try {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            onRow(stmt);
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        fail(sql);
}

QStringList Database::columnNames(const QString &sql, const QVariantList &params)
{
    sqlite3_stmt *stmt = prepare(sql, params);
    QStringList names;
    for (int c = 0, n = sqlite3_column_count(stmt); c < n; ++c)
        names << QString::fromUtf8(sqlite3_column_name(stmt, c));
    sqlite3_finalize(stmt);
    return names;
}

bool Database::hasTable(const QString &name)
{
    return scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = ? collate nocase"),
                  {name})
               .toInt()
        > 0;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    QVariant result;
    bool first = true;
    forEachRow(sql, params, [&](sqlite3_stmt *stmt) {
        if (!first)
            return;
        first = false;
        bool isNull = false;
        const QString text = readText(stmt, 0, &isNull);
        if (!isNull)
            result = text;
    });
    return result;
}

qint64 Database::lastInsertRowId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

void Database::beginTransaction()
{
    exec(QStringLiteral("begin"));
}

void Database::commit()
{
    exec(QStringLiteral("commit"));
}

void Database::rollback() noexcept
{
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "rollback", nullptr, nullptr, nullptr);
}

Statement::Statement(Database &db, const QString &sql)
    : m_db(db), m_sql(sql), m_stmt(db.prepare(sql, {}, false))
{
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::run(const QVariantList &params)
{
    if (sqlite3_bind_parameter_count(m_stmt) != params.size())
        throw DatabaseError(QStringLiteral("参数个数不符：%1").arg(m_sql));
    bindAll(m_stmt, params);
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
    }
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    if (rc != SQLITE_DONE)
        m_db.fail(m_sql);
}

QString Database::readText(sqlite3_stmt *stmt, int column, bool *isNull)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    if (isNull)
        *isNull = text == nullptr;
    if (!text)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
}

} // namespace qiming::data
