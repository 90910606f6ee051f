// Makes a database file from the project's TSV tables and the extractor's cache, and
// brings an existing file's reference tables up to date without touching the user's rows.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace qiming::data {

class Database;

// data/tables and the extractor's cache, as compiled in.
QStringList defaultSourceDirs();
int compiledDataVersion();
// The program's version, such as 0.1.
QString programVersion();

struct DataStamp {
    int version = 0;
    QString hash;
    QString text() const { return QString::number(version) + QLatin1Char(':') + hash; }
    static DataStamp fromText(const QString &text);
};
// The stamp an open database file carries (version 0 when it has none). Throws DatabaseError.
DataStamp readStamp(Database &db);

using BuildLog = std::function<void(const QString &line)>;

struct BuildResult {
    bool ok = false;
    QString error;
    // The upgrade was refused because the file's data is newer than the sources'.
    bool refusedNewerData = false;
    QMap<QString, int> rowsPerTable;
    DataStamp stamp;
};

// A new file at path; refuses to overwrite an existing one. The file appears only when
// complete (built under a temporary name, then renamed).
BuildResult buildDatabase(const QString &path, const QStringList &sourceDirs, const BuildLog &log = {});
enum class UpgradeMode { Normal, EvenToOlderData };
// Replaces every reference table of an existing file in one transaction; 初始信息 and
// 自选列表 are not touched. Refuses, changing nothing, sources that would leave a reference
// table empty that has rows now, and (unless EvenToOlderData) a file whose data version is
// newer than the sources'.
BuildResult upgradeDatabase(const QString &path, const QStringList &sourceDirs, const BuildLog &log = {},
                            UpgradeMode mode = UpgradeMode::Normal);

enum class DataStatus { Absent, Current, Outdated, Newer, Unusable };
struct StatusResult {
    DataStatus status = DataStatus::Unusable;
    DataStamp fileStamp;
    DataStamp sourceStamp;
    QString error;
};
StatusResult checkDatabase(const QString &path, const QStringList &sourceDirs);

// The stamp the given sources would produce.
bool sourceStamp(const QStringList &sourceDirs, DataStamp *stamp, QString *error);

} // namespace qiming::data
