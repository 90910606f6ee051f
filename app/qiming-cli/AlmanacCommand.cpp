// qiming-cli almanac YEAR: the page "黄道吉日" for a year, title line first, one day a line.
#include "Command.h"
#include "CommandSupport.h"

#include "tools/WeddingDays.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace qiming::cli {

int runAlmanacCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QString description = QStringLiteral(
        "结婚黄道吉日表：标题行、空行，然后每个宜嫁娶的日子一行\n"
        "the wedding days of a year: the title line, an empty line, then one day a line");
    if (const auto code = parseArguments(parser, args, description, {QStringLiteral("YEAR")}))
        return *code;
    if (parser.positionalArguments().size() != 1) {
        err() << QStringLiteral("用法 usage: qiming-cli almanac YEAR\n");
        return BadInput;
    }
    const QString text = parser.positionalArguments().first();
    static const QRegularExpression digits(QStringLiteral("^\\d{4}$"));
    const int year = text.toInt();
    if (!digits.match(text).hasMatch() || year < tools::kFirstComputableYear || year > tools::kLastComputableYear) {
        err() << QStringLiteral("年份应为 %1 到 %2 / a year is %1 to %2: %3\n")
                     .arg(tools::kFirstComputableYear)
                     .arg(tools::kLastComputableYear)
                     .arg(text);
        return BadInput;
    }
    for (const QString &line : tools::weddingDayLines(year))
        out() << line << '\n';
    return Ok;
}

} // namespace qiming::cli
