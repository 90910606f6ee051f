// qiming-cli source: the 诗词出处 of a given name, as the report shows it.
#include "Command.h"
#include "CommandSupport.h"

#include "numerology/PoemSource.h"

#include <QCommandLineParser>

namespace qiming::cli {

int runSourceCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption db = databaseOption();
    parser.addOption(db);
    if (auto code = parseArguments(parser,
                                   args,
                                   QStringLiteral("名字的诗词出处 the verses a given name comes from\n"
                                                  "输出 prints: 朝代 诗人 诗名 诗句 (tab-separated), one a line"),
                                   {QStringLiteral("GIVEN")}))
        return *code;
    if (parser.positionalArguments().size() != 1) {
        err() << QStringLiteral("参数个数不对 wrong number of arguments: GIVEN\n");
        return BadInput;
    }
    const QString given = parser.positionalArguments().at(0);
    if (given.isEmpty() || given.size() > 2) {
        err() << QStringLiteral("名字一到两个字 a given name takes one or two characters: %1\n").arg(given);
        return BadInput;
    }
    if (auto code = openSharedDatabase(parser, db))
        return *code;
    return guarded([&] {
        const auto found = numerology::findPoemSources(given);
        if (found.empty())
            err() << QStringLiteral("没有找到出处 no verse found: %1\n").arg(given);
        for (const numerology::PoemSource &s : found)
            out() << QStringList{s.dynasty, s.poet, s.title, s.verse}.join(QLatin1Char('\t')) << '\n';
        return int(Ok);
    });
}

} // namespace qiming::cli
