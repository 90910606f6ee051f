// qiming-cli chart | lunar | reading: the birth chart, the lunar date and the birth readings of one
// date; chart and lunar also take one date a line from standard input ("-"), where a bad line is
// reported in place and the run goes on.
#include "Command.h"
#include "CommandSupport.h"

#include "birthchart/BirthChart.h"
#include "birthchart/BirthReadings.h"
#include "birthchart/FavourableElement.h"
#include "birthchart/NameAgainstChart.h"
#include "numerology/Lookups.h"
#include "calendar/LunarCalendar.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringDecoder>

#include <functional>

namespace qiming::cli {

namespace {

using BirthTime = birthchart::BirthMoment;

// A result line, or why the input is bad.
struct Line {
    bool ok = false;
    QString text;
};

Line bad(const QString &message)
{
    return {false, message};
}

QString dateText(const BirthTime &t)
{
    return QString::asprintf("%04d-%02d-%02d", t.year, t.month, t.day);
}

Line lunarLine(const QString &input)
{
    QString error;
    const std::optional<BirthTime> t = parseDate(input, &error);
    if (!t)
        return bad(error);
    calendar::LunarDate lunar;
    if (!calendar::solarToLunar(t->year, t->month, t->day, &lunar))
        return bad(QStringLiteral("农历只有 1900 到 2100 年 / lunar dates cover 1900 to 2100: %1").arg(input));
    return {true, QStringList{dateText(*t), QString::number(lunar.year),
                              QString::number(lunar.isLeap ? -lunar.month : lunar.month), QString::number(lunar.day),
                              calendar::lunarDayName(lunar.day)}
                      .join(QLatin1Char('\t'))};
}

// The four pillars' values, one space between.
QString spaced(const QString (&values)[4])
{
    return QStringList{values[0], values[1], values[2], values[3]}.join(QLatin1Char(' '));
}

// "YYYY-MM-DD HH[:MM]" in: the moment, the four pillars and the lunar birthday out.
Line chartLine(const QString &input)
{
    QString error;
    const std::optional<BirthTime> t = parseBirthArgument(input, &error);
    if (!t)
        return bad(error);
    const birthchart::BirthChart chart = birthchart::computeCalendarChart(t->year, t->month, t->day, t->hour, t->minute);
    return {true, dateText(*t) + QString::asprintf(" %02d:%02d", t->hour, t->minute) + QLatin1Char('\t')
                      + spaced(chart.pillars) + QLatin1Char('\t') + chart.lunarBirthday};
}

// Batch input is UTF-8 (a byte order mark at the start is skipped); a line is at most this
// long, so that input without line breaks cannot fill the memory.
constexpr qint64 kMaxInputLineBytes = 64 * 1024;

enum class InputLine { Text, TooLong, NotUtf8, End };

// The next line of in without its line end.
InputLine readInputLine(QFile &in, bool first, QString *text)
{
    QByteArray bytes = in.readLine(kMaxInputLineBytes + 2);
    if (bytes.isEmpty())
        return InputLine::End;
    if (!bytes.endsWith('\n') && bytes.size() > kMaxInputLineBytes) {
        // Read the rest of the line in pieces and let it go.
        for (QByteArray rest = in.readLine(kMaxInputLineBytes); !rest.isEmpty() && !rest.endsWith('\n');
             rest = in.readLine(kMaxInputLineBytes)) {
        }
        return InputLine::TooLong;
    }
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (first && bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    *text = utf8.decode(bytes);
    return utf8.hasError() ? InputLine::NotUtf8 : InputLine::Text;
}

// One output line per input line; BadInput when any line was bad.
int runStream(const std::function<Line(const QString &)> &convert)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        err() << QStringLiteral("无法读取标准输入 cannot read standard input: %1\n").arg(in.errorString());
        return Failed;
    }
    bool anyBad = false;
    QString input;
    for (bool first = true;; first = false) {
        const InputLine kind = readInputLine(in, first, &input);
        if (kind == InputLine::End)
            break;
        Line line;
        if (kind == InputLine::TooLong)
            line = bad(QStringLiteral("输入行超过 64 KB / an input line is longer than 64 KB"));
        else if (kind == InputLine::NotUtf8)
            line = bad(QStringLiteral("输入不是 UTF-8 文本 / the input is not UTF-8 text"));
        else
            line = convert(input.trimmed());
        if (line.ok) {
            out() << line.text << '\n';
        } else {
            out() << "error\t" << oneLine(line.text) << '\n';
            anyBad = true;
        }
    }
    return anyBad ? BadInput : Ok;
}

bool isStdinMode(const QStringList &positional)
{
    return positional.size() == 1 && positional.at(0) == QLatin1String("-");
}

} // namespace

int runLunarCommand(const QStringList &args)
{
    QCommandLineParser parser;
    if (auto code = parseArguments(parser, args,
                          QStringLiteral("农历日期 the lunar date, 1900-2100\n"
                                         "输出 prints: 日期 农历年 农历月(闰月为负 negative for a leap month) 农历日 日名 "
                                         "(tab-separated)\n"
                                         "DATE 为 - 时从标准输入逐行读取日期 with - reads one date a line from stdin"),
                          {QStringLiteral("DATE")}))
        return *code;
    const QStringList positional = parser.positionalArguments();
    if (isStdinMode(positional))
        return runStream(lunarLine);
    if (positional.size() != 1) {
        err() << QStringLiteral("参数个数不对 wrong number of arguments: YYYY-MM-DD | -\n");
        return BadInput;
    }
    const Line line = lunarLine(positional.at(0));
    (line.ok ? out() : err()) << (line.ok ? line.text : oneLine(line.text)) << '\n';
    return line.ok ? Ok : BadInput;
}

int runChartCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption db = databaseOption();
    parser.addOption(db);
    if (auto code = parseArguments(parser, args,
                          QStringLiteral("生辰八字 the birth chart\n"
                                         "输出 prints: 八字四柱 八字五行 纳音 生日(农历) 星期 星座 生肖 五行 喜用神得分 喜用神, one "
                                         "\"label<TAB>value\" line each\n"
                                         "DATE 为 - 时从标准输入逐行读取 YYYY-MM-DD HH[:MM]，输出 日期 四柱 农历生日\n"
                                         "with - reads YYYY-MM-DD HH[:MM] a line from stdin and prints the moment, "
                                         "the four pillars and the lunar birthday"),
                          {QStringLiteral("DATE"), QStringLiteral("HH[:MM]")}))
        return *code;
    const QStringList positional = parser.positionalArguments();
    if (isStdinMode(positional))
        return runStream(chartLine);
    if (positional.size() != 2) {
        err() << QStringLiteral("参数个数不对 wrong number of arguments: YYYY-MM-DD HH[:MM] | -\n");
        return BadInput;
    }
    QString error;
    const std::optional<BirthTime> t = parseBirthTime(positional.at(0), positional.at(1), &error);
    if (!t) {
        err() << oneLine(error) << '\n';
        return BadInput;
    }
    if (auto code = openSharedDatabase(parser, db))
        return *code;
    return guarded([&] {
        const birthchart::BirthChart chart =
            birthchart::computeBirthChart(t->year, t->month, t->day, t->hour, t->minute);
        const QString missing = chart.missingElements.isEmpty()
                                    ? chart.missingElementsText()
                                    : (QStringList{QStringLiteral("五行缺")} + chart.missingElements).join(QLatin1Char(' '));
        out() << "八字四柱\t" << spaced(chart.pillars) << '\n'
              << "八字五行\t" << spaced(chart.elements) << '\n'
              << "纳音\t" << spaced(chart.nayin) << '\n'
              << "生日(农历)\t" << chart.lunarBirthday << '\n'
              << "星期\t" << chart.weekday << '\n'
              << "星座\t" << chart.starSign << '\n'
              << "生肖\t" << chart.zodiac << '\n'
              << "五行\t" << missing << '\n';
        birthchart::FavourableElement fe;
        if (birthchart::computeFavourableElement(data::sharedDatabase(), chart.pillars, &fe)) {
            QStringList scores;
            for (std::size_t i = 0; i < fe.scores.size(); ++i)
                scores << QString(birthchart::kScoreElements[i]) + birthchart::formatScore(fe.scores[i]);
            out() << "喜用神得分\t" << scores.join(QLatin1Char(' ')) << '\n' << "喜用神\t" << fe.lastLine << '\n';
        }
        return int(Ok);
    });
}

int runReadingCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption db = databaseOption();
    parser.addOption(db);
    if (auto code = parseArguments(parser, args,
                          QStringLiteral("生日解读 a birth reading as plain text\n"
                                         "zodiac 生肖分析, star 星座分析, birthday 生日分析, history 历史上的今天; "
                                         "the zodiac animal and star sign are the chart's at HH[:MM] (default 12:00)"),
                          {QStringLiteral("zodiac|star|birthday|history"), QStringLiteral("DATE"),
                           QStringLiteral("[HH[:MM]]")}))
        return *code;
    const QStringList positional = parser.positionalArguments();
    const QStringList kinds = {QStringLiteral("zodiac"), QStringLiteral("star"), QStringLiteral("birthday"),
                               QStringLiteral("history")};
    if (positional.size() < 2 || positional.size() > 3 || !kinds.contains(positional.at(0))) {
        err() << QStringLiteral("用法 usage: reading zodiac|star|birthday|history YYYY-MM-DD [HH[:MM]]\n");
        return BadInput;
    }
    QString error;
    const std::optional<BirthTime> t =
        parseBirthTime(positional.at(1), positional.size() == 3 ? positional.at(2) : QStringLiteral("12"), &error);
    if (!t) {
        err() << oneLine(error) << '\n';
        return BadInput;
    }
    if (auto code = openSharedDatabase(parser, db))
        return *code;
    return guarded([&] {
        data::Database &database = data::sharedDatabase();
        const QString kind = positional.at(0);
        QString text;
        if (kind == QLatin1String("birthday")) {
            text = birthchart::birthdayReading(database, t->month, t->day);
        } else if (kind == QLatin1String("history")) {
            text = numerology::htmlToPlainText(
                birthchart::historyToday(database, QString::number(t->month), QString::number(t->day)));
        } else {
            const birthchart::BirthChart chart =
                birthchart::computeCalendarChart(t->year, t->month, t->day, t->hour, t->minute);
            text = numerology::htmlToPlainText(kind == QLatin1String("zodiac")
                                                   ? birthchart::zodiacReading(database, chart.zodiac)
                                                   : birthchart::starSignReading(database, chart.starSign));
        }
        if (text.isEmpty()) {
            err() << QStringLiteral("没有这一天的解读 no reading for %1\n").arg(positional.at(1));
            return int(Failed);
        }
        out() << text << '\n';
        return int(Ok);
    });
}

} // namespace qiming::cli
