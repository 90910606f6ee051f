// qiming-cli generate: the names the program recommends for a surname, best first, with the
// reasons; the same engine the pages rank by, over every pair of the gender's pool.
#include "Command.h"
#include "CommandSupport.h"

#include "birthchart/BirthChart.h"
#include "birthchart/FavourableElement.h"
#include "generation/NameEvidence.h"
#include "generation/Recommender.h"
#include "numerology/SharedNumerology.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qiming::cli {

namespace {

// A whole number in [low, high], or nullopt.
std::optional<int> numberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= low && n <= high ? std::optional(n) : std::nullopt;
}

void printTsv(const QString &surname, const std::vector<generation::RankedName> &names)
{
    for (const generation::RankedName &n : names)
        out() << surname + n.given << '\t' << n.pinyin << '\t' << n.score << '\t' << n.recommend << '\t'
              << n.reasons.join(QStringLiteral("；")) << '\n';
}

void printJson(const QString &surname, const std::vector<generation::RankedName> &names)
{
    QJsonArray list;
    for (const generation::RankedName &n : names)
        list.append(QJsonObject{{QStringLiteral("name"), surname + n.given},
                                {QStringLiteral("pinyin"), n.pinyin},
                                {QStringLiteral("score"), n.score},
                                {QStringLiteral("recommend"), n.recommend},
                                {QStringLiteral("reasons"), QJsonArray::fromStringList(n.reasons)}});
    out() << QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
}

} // namespace

int runGenerateCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption db = databaseOption();
    const QCommandLineOption gender{QStringLiteral("gender"), QStringLiteral("性别 gender: nan (男) | nv (女)"),
                                    QStringLiteral("nan|nv")};
    const QCommandLineOption length{QStringLiteral("length"), QStringLiteral("名字字数 given-name length: 1 | 2 (default)"),
                                    QStringLiteral("1|2"), QStringLiteral("2")};
    const QCommandLineOption fixed{QStringLiteral("fixed"), QStringLiteral("限定字 a character every name has"),
                                   QStringLiteral("C")};
    const QCommandLineOption position{QStringLiteral("position"),
                                      QStringLiteral("限定字的位置 its place: 1 (default) | 2"), QStringLiteral("1|2"),
                                      QStringLiteral("1")};
    const QCommandLineOption birth{QStringLiteral("birth"),
                                   QStringLiteral("出生时间：八字所喜的五行优先 the birth time: the chart's favoured elements first"),
                                   QStringLiteral("YYYY-MM-DD HH[:MM]")};
    const QCommandLineOption avoid{QStringLiteral("avoid"), QStringLiteral("避讳字 characters never to use"),
                                   QStringLiteral("字字…")};
    const QCommandLineOption minScore{QStringLiteral("min-score"), QStringLiteral("最低分 the lowest score: 0-100 (default 85)"),
                                      QStringLiteral("N"), QStringLiteral("85")};
    const QCommandLineOption top{QStringLiteral("top"), QStringLiteral("列出几个 how many names (default 50)"),
                                 QStringLiteral("N"), QStringLiteral("50")};
    const QCommandLineOption format{QStringLiteral("format"), QStringLiteral("输出格式 output: tsv (default) | json"),
                                    QStringLiteral("tsv|json"), QStringLiteral("tsv")};
    parser.addOptions({db, gender, length, fixed, position, birth, avoid, minScore, top, format});
    if (auto code = parseArguments(parser, args,
                                   QStringLiteral("推荐名字，最好的在前：姓名 拼音 评分 推荐 理由\n"
                                                  "the recommended names, best first: name pinyin score recommend reasons"),
                                   {QStringLiteral("姓")}))
        return *code;

    const auto bad = [](const QString &text) {
        err() << oneLine(text) << '\n';
        return int(BadInput);
    };
    if (parser.positionalArguments().size() != 1)
        return bad(QStringLiteral("参数个数不对 wrong number of arguments: 姓"));
    generation::RecommendSetup setup;
    setup.surname = parser.positionalArguments().at(0);
    if (setup.surname.isEmpty() || setup.surname.size() > 2)
        return bad(QStringLiteral("姓是一到两个字 the surname takes one or two characters: %1").arg(setup.surname));
    setup.gender = parser.value(gender);
    if (setup.gender != QLatin1String("nan") && setup.gender != QLatin1String("nv"))
        return bad(QStringLiteral("请用 --gender 给出性别 nan 或 nv / give --gender nan or nv"));
    const auto len = numberIn(parser.value(length), 1, 2);
    const auto pos = numberIn(parser.value(position), 1, 2);
    const auto cut = numberIn(parser.value(minScore), 0, 100);
    const auto count = numberIn(parser.value(top), 1, 1000000);
    if (!len || !pos || !cut || !count)
        return bad(QStringLiteral("--length、--position 是 1 或 2，--min-score 是 0-100，--top 是正整数 / "
                                  "--length and --position take 1 or 2, --min-score 0-100, --top a positive number"));
    setup.givenLength = *len;
    setup.fixedPosition = *pos;
    setup.minScore = *cut;
    setup.fixedChar = parser.value(fixed);
    if (setup.fixedChar.size() > 1)
        return bad(QStringLiteral("限定字只能是一个字 --fixed takes one character: %1").arg(setup.fixedChar));
    setup.avoid = parser.value(avoid);
    const QString form = parser.value(format);
    if (form != QLatin1String("tsv") && form != QLatin1String("json"))
        return bad(QStringLiteral("--format 是 tsv 或 json / --format takes tsv or json: %1").arg(form));
    std::optional<birthchart::BirthMoment> moment;
    if (parser.isSet(birth)) {
        QString error;
        moment = parseBirthArgument(parser.value(birth), &error);
        if (!moment)
            return bad(error);
    }
    if (auto code = openSharedDatabase(parser, db))
        return *code;

    return guarded([&] {
        if (moment) {
            const birthchart::BirthChart chart = birthchart::computeBirthChart(
                data::sharedDatabase(), moment->year, moment->month, moment->day, moment->hour, moment->minute);
            birthchart::FavourableElement fe;
            if (birthchart::computeFavourableElement(data::sharedDatabase(), chart.pillars, &fe))
                setup.favouredElements = fe.favoured;
        }
        generation::Recommender recommender(numerology::sharedCharacterTables(), numerology::sharedScoreTable(),
                                            numerology::sharedHomophoneTable(), generation::sharedNameEvidence());
        const std::vector<generation::RankedName> names = recommender.rank(setup, *count);
        if (form == QLatin1String("json"))
            printJson(setup.surname, names);
        else
            printTsv(setup.surname, names);
        return int(Ok);
    });
}

} // namespace qiming::cli
