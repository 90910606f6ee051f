// The subcommands of qiming-cli; main.cpp's table names them.
#pragma once

#include <QStringList>

namespace qiming::cli {

// args: everything after the subcommand's name (argv[0] included as args[0] for the parser).
// Returns the exit code (see ExitCode in CommandSupport.h).
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
int runGenerateCommand(const QStringList &args);

} // namespace qiming::cli
