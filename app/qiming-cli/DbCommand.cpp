// qiming-cli db build | upgrade | status
#include "Command.h"
#include "CommandSupport.h"

#include "data/DatabaseBuilder.h"
#include "data/SharedDatabase.h"

#include <QCommandLineParser>

namespace qiming::cli {

namespace {

enum StatusExit { Current = 0, Absent = 3, Outdated = 4, Newer = 5 };

void printResult(const data::BuildResult &r, const QString &path, const QString &verb)
{
    int total = 0;
    for (int n : r.rowsPerTable)
        total += n;
    // One arg() with every value: a path such as "q%3.dll" stays as typed.
    out() << QStringLiteral("%1 %2: %3 张表 tables, %4 行 rows, 数据版本 data stamp %5\n")
                 .arg(verb, path, QString::number(r.rowsPerTable.size()), QString::number(total), r.stamp.text());
}

} // namespace

int runDbCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QString description(
        QStringLiteral("数据库文件 database file\n"
                       "  build [FILE]    新建 create (FILE 不得已存在 must not exist)\n"
                       "  upgrade [FILE]  更新参考数据 refresh reference data, keep 初始信息 and 自选列表\n"
                       "                  (--force: 即使文件的数据较新 even when the file's data is newer)\n"
                       "  status [FILE]   检查 check: exit 0 current, 3 absent, 4 outdated, 5 newer, 1 unusable"));
    QCommandLineOption sources(QStringLiteral("sources"),
                               QStringLiteral("数据来源目录，可重复 source folder of TSV tables, repeatable "
                                              "(default: the project's data/tables and extract cache)"),
                               QStringLiteral("DIR"));
    parser.addOption(sources);
    QCommandLineOption force(QStringLiteral("force"),
                             QStringLiteral("upgrade 时即使文件的数据比本程序的新也更新 "
                                            "upgrade even a file whose data is newer than this program's"));
    parser.addOption(force);
    if (auto code = parseArguments(parser, args, description,
                                   {QStringLiteral("action"), QStringLiteral("[FILE]")}))
        return *code;
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2) {
        err() << QStringLiteral("用法 usage: qiming-cli db build|upgrade|status [FILE]\n");
        return BadInput;
    }
    const QString action = positional.at(0);
    const QString path = positional.value(1, data::kDatabaseFileName);
    const QStringList dirs = parser.isSet(sources) ? parser.values(sources) : data::defaultSourceDirs();
    const auto log = [](const QString &line) { out() << QStringLiteral("  ") << line << '\n'; };

    if (action == QLatin1String("build") || action == QLatin1String("upgrade")) {
        const bool build = action == QLatin1String("build");
        const data::UpgradeMode mode =
            parser.isSet(force) ? data::UpgradeMode::EvenToOlderData : data::UpgradeMode::Normal;
        const data::BuildResult r =
            build ? data::buildDatabase(path, dirs, log) : data::upgradeDatabase(path, dirs, log, mode);
        if (!r.ok) {
            err() << QStringLiteral("错误 error: %1%2\n")
                         .arg(oneLine(r.error), r.refusedNewerData ? QStringLiteral("；确实要更新请加 --force / add --force to do so")
                                                          : QString());
            return Failed;
        }
        printResult(r, path, build ? QStringLiteral("已新建 built") : QStringLiteral("已更新 upgraded"));
        return Ok;
    }
    if (action == QLatin1String("status")) {
        const data::StatusResult r = data::checkDatabase(path, dirs);
        switch (r.status) {
        case data::DataStatus::Absent:
            out() << QStringLiteral("absent: %1 不存在\n").arg(path);
            return Absent;
        case data::DataStatus::Current:
            out() << QStringLiteral("current: %1 (%2)\n").arg(path, r.fileStamp.text());
            return Current;
        case data::DataStatus::Outdated:
            out() << QStringLiteral("outdated: %1 (%2 < %3)\n").arg(path, r.fileStamp.text(), r.sourceStamp.text());
            return Outdated;
        case data::DataStatus::Newer:
            out() << QStringLiteral("newer: %1 (%2 > %3)\n").arg(path, r.fileStamp.text(), r.sourceStamp.text());
            return Newer;
        case data::DataStatus::Unusable:
            err() << QStringLiteral("错误 error: %1\n").arg(oneLine(r.error));
            return Failed;
        }
    }
    err() << QStringLiteral("未知操作 unknown action: %1\n").arg(oneLine(action));
    return BadInput;
}

} // namespace qiming::cli
