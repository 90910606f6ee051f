// A subcommand of qiming-cli. Exit codes: 0 done, 1 failed, 2 bad input.
#pragma once

#include "birthchart/NameAgainstChart.h"
#include "data/DatabaseError.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class QCommandLineParser;

namespace qiming::cli {

enum ExitCode { Ok = 0, Failed = 1, BadInput = 2 };

QTextStream &out();
QTextStream &err();

// Sets up the parser with its description, --help and the positional arguments, and parses.
// On a parse error (BadInput) or --help (Ok) returns the exit code to end with.
std::optional<int> parseArguments(QCommandLineParser &parser, const QStringList &args, const QString &description,
                                  const QStringList &positional);

// --db FILE, the database the commands read (default: data.dll in the working directory, else the
// user's data folder's).
QCommandLineOption databaseOption();
// Opens that database as the shared connection; on failure says why and returns the exit code.
std::optional<int> openSharedDatabase(const QCommandLineParser &parser, const QCommandLineOption &db);

// An error is one line on stderr: line breaks inside a message become spaces.
QString oneLine(const QString &text);

// Runs body on the open shared connection and closes it afterwards; a database or data error
// ends the command with Failed.
template<typename Body>
int guarded(Body body)
{
    try {
        const int code = body();
        data::closeDatabase();
        return code;
    } catch (const data::DatabaseError &e) {
        err() << QStringLiteral("数据库错误 database error: %1\n").arg(oneLine(e.reason()));
    } catch (const data::ConversionError &e) {
        err() << QStringLiteral("数据错误 bad data: %1\n").arg(oneLine(e.message()));
    }
    data::closeDatabase();
    return Failed;
}

// "YYYY-MM-DD HH[:MM]" as the chart commands take it; on failure says why in error.
std::optional<birthchart::BirthMoment> parseBirthArgument(const QString &text, QString *error);

// args: everything after the subcommand's name (argv[0] included as args[0] for the parser).
int runDbCommand(const QStringList &args);
int runScoreCommand(const QStringList &args);
int runReportCommand(const QStringList &args);
int runCheckCommand(const QStringList &args);
int runCharCommand(const QStringList &args);
int runSurnameCommand(const QStringList &args);
int runChartCommand(const QStringList &args);
int runLunarCommand(const QStringList &args);
int runSourceCommand(const QStringList &args);
int runAlmanacCommand(const QStringList &args);
int runReadingCommand(const QStringList &args);

} // namespace qiming::cli
