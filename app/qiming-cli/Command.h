// A subcommand of qiming-cli. Exit codes: 0 done, 1 failed, 2 bad input.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace qiming::cli {

enum ExitCode { Ok = 0, Failed = 1, BadInput = 2 };

QTextStream &out();
QTextStream &err();

// args: everything after the subcommand's name (argv[0] included as args[0] for the parser).
int runDbCommand(const QStringList &args);
int runScoreCommand(const QStringList &args);
int runReportCommand(const QStringList &args);
int runCharCommand(const QStringList &args);

} // namespace qiming::cli
