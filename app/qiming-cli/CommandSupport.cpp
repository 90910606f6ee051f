// What several subcommands share: parsing, the --db option and the shared connection it opens.
#include "Command.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qiming::cli {

std::optional<int> parseArguments(QCommandLineParser &parser, const QStringList &args, const QString &description,
                                  const QStringList &positional)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    for (const QString &p : positional)
        parser.addPositionalArgument(p, p);
    if (!parser.parse(args)) {
        err() << parser.errorText() << '\n';
        return BadInput;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt names only the program in the usage line; the subcommand belongs there too.
        QString help = parser.helpText();
        const QString program = QCoreApplication::arguments().value(0);
        const qsizetype at = help.indexOf(program);
        if (!program.isEmpty() && !args.isEmpty() && at >= 0 && at < help.indexOf(QLatin1Char('\n')))
            help.replace(at, program.size(), args.first());
        out() << help;
        return Ok;
    }
    return std::nullopt;
}

QCommandLineOption databaseOption()
{
    return {QStringLiteral("db"),
            QStringLiteral("数据库文件 database file (默认 default: 工作目录中的 data.dll in the working directory, "
                           "否则 else ${XDG_DATA_HOME:-~/.local/share}/qiming/data.dll)"),
            QStringLiteral("FILE")};
}

// data.dll in the working directory, else the one run.sh keeps in the user's data folder, so
// the commands work from anywhere once the program has run.
QString defaultDatabasePath()
{
    if (QFileInfo::exists(data::kDatabaseFileName))
        return data::kDatabaseFileName;
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString user = base + QStringLiteral("/qiming/") + data::kDatabaseFileName;
    return QFileInfo::exists(user) ? user : data::kDatabaseFileName;
}

std::optional<int> openSharedDatabase(const QCommandLineParser &parser, const QCommandLineOption &db)
{
    const QString path = parser.isSet(db) ? parser.value(db) : defaultDatabasePath();
    QString error;
    if (data::sharedDatabase().open(path, data::kDatabasePassword, &error) != data::Database::OpenResult::Ok) {
        err() << QStringLiteral("无法打开数据库 cannot open the database: %1\n").arg(oneLine(error));
        return Failed;
    }
    return std::nullopt;
}

} // namespace qiming::cli
