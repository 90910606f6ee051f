// What several subcommands share: output streams, parsing, the --db option and the shared
// connection it opens, and the birth times the chart, report and reading commands take.
#include "CommandSupport.h"

#include "calendar/CivilCalendar.h"
#include "calendar/EDateException.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace qiming::cli {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QString oneLine(const QString &text)
{
    QString line = text.trimmed();
    for (QChar &c : line)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return line;
}

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

std::optional<birthchart::BirthMoment> parseDate(const QString &text, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) {
        *error = QStringLiteral("日期应为 YYYY-MM-DD / a date is YYYY-MM-DD: %1").arg(text);
        return std::nullopt;
    }
    birthchart::BirthMoment t{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    try {
        calendar::checkDate(t.year, t.month, t.day);
    } catch (const calendar::EDateException &e) {
        *error = e.message();
        return std::nullopt;
    }
    return t;
}

std::optional<birthchart::BirthMoment> parseBirthTime(const QString &date, const QString &time, QString *error)
{
    std::optional<birthchart::BirthMoment> t = parseDate(date, error);
    if (!t)
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})(?::(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = pattern.match(time);
    if (m.hasMatch()) {
        t->hour = m.captured(1).toInt();
        t->minute = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    }
    if (!m.hasMatch() || t->hour > 23 || t->minute > 59) {
        *error = QStringLiteral("时间应为 HH[:MM]，0:00 到 23:59 / a time is HH[:MM], 0:00 to 23:59: %1").arg(time);
        return std::nullopt;
    }
    return t;
}

std::optional<birthchart::BirthMoment> parseBirthArgument(const QString &text, QString *error)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList parts = text.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (parts.size() != 2) {
        *error = QStringLiteral("应为 YYYY-MM-DD HH[:MM] / expected YYYY-MM-DD HH[:MM]: %1").arg(text);
        return std::nullopt;
    }
    return parseBirthTime(parts.at(0), parts.at(1), error);
}

} // namespace qiming::cli
