// qiming-cli score | report | check | char | surname: the numerology the program's pages use.
#include "Command.h"
#include "CommandSupport.h"

#include "data/SharedDatabase.h"
#include "numerology/Lookups.h"
#include "numerology/NameCheck.h"
#include "numerology/NameReport.h"
#include "numerology/SharedNumerology.h"

#include <QCommandLineParser>

namespace qiming::cli {

namespace {

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption db = databaseOption();
    QCommandLineOption gender{QStringLiteral("gender"), QStringLiteral("性别 gender: nan (男, default) | nv (女)"),
                              QStringLiteral("nan|nv"), QStringLiteral("nan")};
    QCommandLineOption birth{QStringLiteral("birth"),
                             QStringLiteral("出生时间，报告加上“八字与名字” the birth time: adds the block 八字与名字"),
                             QStringLiteral("YYYY-MM-DD HH[:MM]")};
};

// Parses; on failure or --help returns the exit code to end with.
std::optional<int> parse(CommandLine &cl, const QStringList &args, bool withGender, const QString &description,
                         const QStringList &positional, int expected, bool withBirth = false)
{
    cl.parser.addOption(cl.db);
    if (withGender)
        cl.parser.addOption(cl.gender);
    if (withBirth)
        cl.parser.addOption(cl.birth);
    if (auto code = parseArguments(cl.parser, args, description, positional))
        return code;
    if (cl.parser.positionalArguments().size() != expected) {
        err() << QStringLiteral("参数个数不对 wrong number of arguments: %1\n").arg(oneLine(positional.join(QLatin1Char(' '))));
        return BadInput;
    }
    if (withGender) {
        const QString g = cl.parser.value(cl.gender);
        if (g != QLatin1String("nan") && g != QLatin1String("nv")) {
            err() << QStringLiteral("性别只能是 nan 或 nv / gender must be nan or nv: %1\n").arg(oneLine(g));
            return BadInput;
        }
    }
    if (withBirth && cl.parser.isSet(cl.birth)) {
        QString error;
        const auto moment = parseBirthArgument(cl.parser.value(cl.birth), &error);
        if (!moment) {
            err() << oneLine(error) << '\n';
            return BadInput;
        }
        // The report measures the name against this moment.
        numerology::setChartVerdictSource(birthchart::chartVerdictSource([m = *moment] { return std::optional(m); }));
    }
    return openSharedDatabase(cl.parser, cl.db);
}

// At most 2 characters a part, as the name pages take a name; else says so. An empty part is
// left to the dictionary check.
bool withinTwoCharactersEach(const QString &surname, const QString &given)
{
    if (surname.size() <= 2 && given.size() <= 2)
        return true;
    err() << QStringLiteral("姓和名各一到两个字 surname and given name take one or two characters each\n");
    return false;
}

// Each part 1 or 2 characters long and in the dictionary, as the name scoring page takes it.
std::optional<numerology::ScoredName> scoreArguments(const CommandLine &cl)
{
    const QString surname = cl.parser.positionalArguments().at(0);
    const QString given = cl.parser.positionalArguments().at(1);
    if (!withinTwoCharactersEach(surname, given))
        return std::nullopt;
    auto scored = numerology::scoreTypedName(surname, given, cl.parser.value(cl.gender));
    if (!scored)
        err() << QStringLiteral("您的输入有误！ not in the dictionary: %1 %2\n").arg(oneLine(surname), oneLine(given));
    return scored;
}

} // namespace

// score and report: a typed name, then what to print of it.
template<typename Print>
int runNameCommand(const QStringList &args, const QString &description, Print print, bool withBirth = false)
{
    CommandLine cl;
    if (auto code = parse(cl, args, true, description, {QStringLiteral("SURNAME"), QStringLiteral("GIVEN")}, 2,
                          withBirth))
        return *code;
    return guarded([&] {
        const auto scored = scoreArguments(cl);
        if (!scored)
            return int(BadInput);
        print(*scored);
        return int(Ok);
    });
}

int runScoreCommand(const QStringList &args)
{
    return runNameCommand(args,
                          QStringLiteral("给一个名字评分 score a full name\n"
                                         "输出 prints: 名字 拼音 五行 简体笔画 康熙笔画 五格 评分 (tab-separated)"),
                          [](const numerology::ScoredName &s) {
                              out() << QStringList{s.name, s.pinyin, s.elements, s.simplifiedStrokes,
                                                   s.kangxiStrokes, s.fiveGrids, s.score}
                                           .join(QLatin1Char('\t'))
                                    << '\n';
                          });
}

int runReportCommand(const QStringList &args)
{
    return runNameCommand(args, QStringLiteral("名字解析页面（HTML，UTF-8） the analysis report page (HTML, UTF-8)"),
                          [](const numerology::ScoredName &s) {
                              out() << numerology::buildNameReport(data::sharedDatabase(), s, QStringLiteral("utf-8"));
                          },
                          true);
}

int runCheckCommand(const QStringList &args)
{
    CommandLine cl;
    if (auto code = parse(cl, args, false,
                          QStringLiteral("名字体检 the name check\n"
                                         "输出 prints one line per finding: 级别 类别 说明 (level kind text, tab-separated)"),
                          {QStringLiteral("SURNAME"), QStringLiteral("GIVEN")}, 2))
        return *code;
    return guarded([&] {
        const QString surname = cl.parser.positionalArguments().at(0);
        const QString given = cl.parser.positionalArguments().at(1);
        if (!withinTwoCharactersEach(surname, given))
            return int(BadInput);
        const bool surnameOk = numerology::isAllInDictionary(surname);
        const bool givenOk = numerology::isAllInDictionary(given);
        if (!surnameOk || !givenOk) {
            err() << QStringLiteral("您的输入有误！ not in the dictionary: %1 %2\n").arg(surname, given);
            return int(BadInput);
        }
        const numerology::NameCheck check = numerology::checkName(surname, given);
        for (const numerology::NameFinding &f : check.findings)
            out() << numerology::levelText(f.level) << '\t' << f.kind << '\t' << f.text << '\n';
        return int(Ok);
    });
}

int runCharCommand(const QStringList &args)
{
    CommandLine cl;
    if (auto code = parse(cl, args, false, QStringLiteral("一个字的属性 a character's attributes"),
                          {QStringLiteral("C")}, 1))
        return *code;
    return guarded([&] {
        const QString ch = cl.parser.positionalArguments().at(0);
        bool found = false;
        const numerology::HanziInfo info = ch.size() == 1 ? numerology::lookupHanzi(ch, &found) : numerology::HanziInfo{};
        if (!found) {
            err() << QStringLiteral("字典里没有这个字 not in the dictionary: %1\n").arg(oneLine(ch));
            return int(BadInput);
        }
        out() << "zi\t" << info.zi << '\n'
              << "pinyin\t" << info.pinyin << '\n'
              << "plainPinyin\t" << info.plainPinyin << '\n'
              << "element\t" << info.element << '\n'
              << "simplifiedStrokes\t" << info.simplifiedStrokes << '\n'
              << "kangxiStrokes\t" << info.kangxiStrokes << '\n';
        // The project's Chinese entry, where the character has one.
        const numerology::CharacterMeaning m = numerology::characterMeaning(data::sharedDatabase(), ch);
        if (m.found) {
            out() << "字义\t" << m.senses << '\n'
                  << "寓意\t" << m.meaning << '\n'
                  << "出处\t" << m.source << '\n'
                  << "词语\t" << m.words << '\n';
        }
        return int(Ok);
    });
}

int runSurnameCommand(const QStringList &args)
{
    CommandLine cl;
    if (auto code = parse(cl, args, false, QStringLiteral("姓氏起源 a surname's origin, as plain text"),
                          {QStringLiteral("姓")}, 1))
        return *code;
    return guarded([&] {
        const QString surname = cl.parser.positionalArguments().at(0);
        if (surname.isEmpty() || surname.size() > 2 || !numerology::isAllInDictionary(surname)) {
            err() << QStringLiteral("您的输入有误！ a surname is one or two characters of the dictionary: %1\n").arg(oneLine(surname));
            return int(BadInput);
        }
        const QString intro = numerology::surnameOrigin(data::sharedDatabase(), surname);
        if (intro.isEmpty()) {
            err() << QStringLiteral("对不起，暂时没有您要查找的姓氏信息 no origin for this surname: %1\n").arg(oneLine(surname));
            return int(BadInput);
        }
        out() << numerology::htmlToPlainText(intro) << '\n';
        return int(Ok);
    });
}

} // namespace qiming::cli
