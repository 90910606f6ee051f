#include "data/DatabaseBuilder.h"

#include "data/Database.h"
#include "data/DatabaseError.h"
#include "data/Schema.h"
#include "data/SharedDatabase.h"
#include "data/Tsv.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>

namespace qiming::data {

namespace {

const QString kManifest = QStringLiteral("manifest.tsv");

struct Sources {
    std::map<QString, std::vector<TsvTable>> tables; // by schema table name
    DataStamp stamp;
};

bool loadSources(const QStringList &dirs, bool parse, Sources *out, QString *error)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(compiledDataVersion()));
    for (const QString &dirPath : dirs) {
        QDir dir(dirPath);
        if (!dir.exists()) {
            *error = QStringLiteral("%1: 数据来源目录不存在").arg(dirPath);
            return false;
        }
        const QStringList files = dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            if (file == kManifest)
                continue;
            const QString path = dir.filePath(file);
            const TableDef *def = findTable(QFileInfo(file).completeBaseName());
            if (!def) {
                *error = QStringLiteral("%1: 没有这个表").arg(path);
                return false;
            }
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("%1: %2").arg(path, f.errorString());
                return false;
            }
            const QByteArray bytes = f.readAll();
            hash.addData(file.toUtf8());
            hash.addData(QByteArray(1, '\0'));
            hash.addData(bytes);
            if (!parse)
                continue;
            TsvTable table;
            if (!parseTsv(bytes, path, &table, error))
                return false;
            for (const QString &column : table.header) {
                const ColumnDef *col = def->column(column);
                if (!col) {
                    *error = QStringLiteral("%1: 表 %2 没有列 %3").arg(path, def->name, column);
                    return false;
                }
            }
            out->tables[def->name].push_back(std::move(table));
        }
    }
    out->stamp.version = compiledDataVersion();
    out->stamp.hash = QString::fromLatin1(hash.result().toHex().left(16));
    return true;
}

void setMeta(Database &db, const QString &key, const QString &value)
{
    db.exec(QStringLiteral("insert or replace into qiming_meta (key, value) values (?, ?)"), {key, value});
}


int fillTable(Database &db, const TableDef &def, const std::vector<TsvTable> &sources)
{
    int rows = 0;
    for (const TsvTable &tsv : sources) {
        QStringList cols;
        QStringList marks;
        for (const QString &c : tsv.header) {
            cols << quoteIdentifier(def.column(c)->name);
            marks << QStringLiteral("?");
        }
        Statement insert(db, QStringLiteral("insert into %1 (%2) values (%3)")
                                 .arg(quoteIdentifier(def.name), cols.join(QStringLiteral(", ")),
                                      marks.join(QStringLiteral(", "))));
        for (size_t i = 0; i < tsv.rows.size(); ++i) {
            try {
                insert.run(tsv.rows[i]);
            } catch (const DatabaseError &e) {
                throw DatabaseError(
                    QStringLiteral("%1:%2: %3").arg(tsv.path, QString::number(tsv.lineNumbers[i]), e.reason()));
            }
        }
        rows += int(tsv.rows.size());
    }
    return rows;
}

void createTable(Database &db, const TableDef &def)
{
    db.exec(createTableSql(def));
    for (const QString &sql : createIndexSql(def))
        db.exec(sql);
}

// Upgrading: reference tables are replaced, user tables only created when missing.
void writeTables(Database &db, const Sources &sources, bool upgrading, BuildResult &result, const BuildLog &log)
{
    static const std::vector<TsvTable> none;
    for (const TableDef &def : schemaTables()) {
        const auto it = sources.tables.find(def.name);
        const std::vector<TsvTable> &rows = it == sources.tables.end() ? none : it->second;
        if (def.userData && upgrading && db.hasTable(def.name)) {
            if (log)
                log(QStringLiteral("%1: 保留用户数据").arg(def.name));
            continue;
        }
        if (upgrading)
            db.exec(QStringLiteral("drop table if exists %1").arg(quoteIdentifier(def.name)));
        createTable(db, def);
        const int n = fillTable(db, def, rows);
        result.rowsPerTable[def.name] = n;
        if (log)
            log(QStringLiteral("%1: %2 行").arg(def.name, QString::number(n)));
    }
    setMeta(db, QStringLiteral("data_stamp"), sources.stamp.text());
    result.stamp = sources.stamp;
}

int rowCount(Database &db, const QString &table)
{
    return db.hasTable(table) ? db.scalar(QStringLiteral("select count(*) from %1").arg(quoteIdentifier(table))).toInt()
                                  : 0;
}

// Reference tables that have rows in the file and would have none after the upgrade: sources
// that lack them are incomplete, not a wish to empty them.
QStringList tablesUpgradeWouldEmpty(Database &db, const Sources &sources)
{
    QStringList names;
    for (const TableDef &def : schemaTables()) {
        if (def.userData)
            continue;
        int sourceRows = 0;
        if (const auto it = sources.tables.find(def.name); it != sources.tables.end())
            for (const TsvTable &tsv : it->second)
                sourceRows += int(tsv.rows.size());
        if (sourceRows == 0 && rowCount(db, def.name) > 0)
            names << def.name;
    }
    return names;
}

// All or nothing: a failure rolls back and leaves the message in result.
bool writeInTransaction(Database &db, const Sources &sources, bool upgrading, BuildResult &result,
                        const BuildLog &log)
{
    try {
        db.beginTransaction();
        writeTables(db, sources, upgrading, result, log);
        db.commit();
        return true;
    } catch (const DatabaseError &e) {
        db.rollback();
        result.error = e.reason();
        return false;
    }
}

} // namespace

QStringList defaultSourceDirs()
{
    // An installed program reads the sources installed beside it (bin/../share/qiming); one
    // run from its build tree reads the tree's.
    if (QCoreApplication::instance()) {
        const QDir installed(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/qiming"));
        if (installed.exists(QStringLiteral("tables")) && installed.exists(QStringLiteral("generated")))
            return {QDir::cleanPath(installed.filePath(QStringLiteral("tables"))),
                    QDir::cleanPath(installed.filePath(QStringLiteral("generated")))};
    }
    return {QStringLiteral(QIMING_TABLES_DIR), QStringLiteral(QIMING_CACHE_DIR)};
}

QString programVersion()
{
    return QStringLiteral(QIMING_VERSION);
}

int compiledDataVersion()
{
    return QIMING_DATA_VERSION;
}

DataStamp DataStamp::fromText(const QString &text)
{
    DataStamp s;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon > 0) {
        s.version = text.left(colon).toInt();
        s.hash = text.mid(colon + 1);
    }
    return s;
}

bool sourceStamp(const QStringList &sourceDirs, DataStamp *stamp, QString *error)
{
    Sources sources;
    if (!loadSources(sourceDirs, false, &sources, error))
        return false;
    *stamp = sources.stamp;
    return true;
}

BuildResult buildDatabase(const QString &path, const QStringList &sourceDirs, const BuildLog &log)
{
    BuildResult result;
    if (QFileInfo::exists(path)) {
        result.error = QStringLiteral("%1 已存在；更新数据请用 db upgrade").arg(path);
        return result;
    }
    Sources sources;
    if (!loadSources(sourceDirs, true, &sources, &result.error))
        return result;
    // A name of this build's own: another build of the same path at the same time has its own
    // and neither removes the other's. Whichever finishes second finds the file there.
    const QString temp = path + QStringLiteral(".building-") + QString::number(QCoreApplication::applicationPid())
                       + QLatin1Char('-') + QString::number(QRandomGenerator::system()->generate(), 16);
    Database db;
    if (db.create(temp, kDatabasePassword, &result.error) != Database::OpenResult::Ok)
        return result;
    if (!writeInTransaction(db, sources, false, result, log)) {
        db.close();
        QFile::remove(temp);
        return result;
    }
    if (!db.close(&result.error)) {
        QFile::remove(temp);
        return result;
    }
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        result.error = QFileInfo::exists(path) ? QStringLiteral("%1 已存在；更新数据请用 db upgrade").arg(path)
                                               : QStringLiteral("%1: 无法改名为 %2").arg(temp, path);
        return result;
    }
    result.ok = true;
    return result;
}

BuildResult upgradeDatabase(const QString &path, const QStringList &sourceDirs, const BuildLog &log,
                            UpgradeMode mode)
{
    BuildResult result;
    Sources sources;
    if (!loadSources(sourceDirs, true, &sources, &result.error))
        return result;
    Database db;
    if (db.open(path, kDatabasePassword, &result.error) != Database::OpenResult::Ok)
        return result;
    try {
        const DataStamp fileStamp = readStamp(db);
        if (fileStamp.version > sources.stamp.version && mode != UpgradeMode::EvenToOlderData) {
            result.error = QStringLiteral("%1 的数据版本 %2 比本程序的 %3 新，更新会换成较旧的数据")
                               .arg(path, QString::number(fileStamp.version), QString::number(sources.stamp.version));
            result.refusedNewerData = true;
            db.close();
            return result;
        }
        const QStringList emptied = tablesUpgradeWouldEmpty(db, sources);
        if (!emptied.isEmpty()) {
            result.error = QStringLiteral("数据来源 %1 缺少这些表的数据，更新会把它们清空：%2")
                               .arg(sourceDirs.join(QStringLiteral("、")), emptied.join(QStringLiteral("、")));
            db.close();
            return result;
        }
    } catch (const DatabaseError &e) {
        result.error = e.reason();
        db.close();
        return result;
    }
    if (!writeInTransaction(db, sources, true, result, log)) {
        db.close();
        return result;
    }
    result.ok = db.close(&result.error);
    return result;
}

StatusResult checkDatabase(const QString &path, const QStringList &sourceDirs)
{
    StatusResult r;
    if (!sourceStamp(sourceDirs, &r.sourceStamp, &r.error))
        return r;
    if (!QFileInfo::exists(path)) {
        r.status = DataStatus::Absent;
        return r;
    }
    Database db;
    if (db.open(path, kDatabasePassword, &r.error) != Database::OpenResult::Ok)
        return r;
    try {
        r.fileStamp = readStamp(db);
    } catch (const DatabaseError &e) {
        r.error = e.reason();
        return r;
    }
    db.close();
    if (r.fileStamp.version > r.sourceStamp.version)
        r.status = DataStatus::Newer;
    else if (r.fileStamp.version < r.sourceStamp.version || r.fileStamp.hash != r.sourceStamp.hash)
        r.status = DataStatus::Outdated;
    else
        r.status = DataStatus::Current;
    return r;
}

DataStamp readStamp(Database &db)
{
    return DataStamp::fromText(
        db.scalar(QStringLiteral("select value from qiming_meta where key = ?"), {QStringLiteral("data_stamp")})
            .toString());
}

} // namespace qiming::data
