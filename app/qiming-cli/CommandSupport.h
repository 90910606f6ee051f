// What several subcommands share: output streams, argument parsing, the database and birth times.
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

// An error is one line on stderr: line breaks inside a message become spaces.
QString oneLine(const QString &text);

// Sets up the parser with its description, --help and the positional arguments, and parses.
// On a parse error (BadInput) or --help (Ok) returns the exit code to end with.
std::optional<int> parseArguments(QCommandLineParser &parser, const QStringList &args, const QString &description,
                                  const QStringList &positional);

// --db FILE, the database the commands read (default: data.dll in the working directory, else the
// user's data folder's).
QCommandLineOption databaseOption();
// Opens that database as the shared connection; on failure says why and returns the exit code.
std::optional<int> openSharedDatabase(const QCommandLineParser &parser, const QCommandLineOption &db);

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

// YYYY-MM-DD, a date that exists (the time left at 00:00); on failure says why in error.
std::optional<birthchart::BirthMoment> parseDate(const QString &text, QString *error);
// YYYY-MM-DD and HH[:MM], hour 0 to 23 and minute 0 to 59; on failure says why in error.
std::optional<birthchart::BirthMoment> parseBirthTime(const QString &date, const QString &time, QString *error);
// "YYYY-MM-DD HH[:MM]" in one argument, as --birth and chart's batch lines take it.
std::optional<birthchart::BirthMoment> parseBirthArgument(const QString &text, QString *error);

} // namespace qiming::cli
