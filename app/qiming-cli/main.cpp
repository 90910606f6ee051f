// qiming-cli: the program's computations and the database builder from a shell.
#include "Command.h"
#include "CommandSupport.h"

#include "data/DatabaseBuilder.h"

#include <QCoreApplication>

namespace qiming::cli {

namespace {

const char kUsage[] =
    "用法 Usage: qiming-cli <命令 command> [参数 arguments]\n"
    "\n"
    "命令 Commands:\n"
    "  db build [FILE]     新建数据库文件（默认 data.dll）\n"
    "                      create a new database file (default data.dll)\n"
    "  db upgrade [FILE]   更新参考数据，保留个人信息和自选列表\n"
    "                      refresh the reference tables, keeping profile and favourites\n"
    "  db status [FILE]    检查数据库是否为最新\n"
    "                      tell whether the database file is current\n"
    "  score 姓 名 [--gender nan|nv]\n"
    "                      给名字评分 score a name: 名字 拼音 五行 简体笔画 康熙笔画 五格 评分\n"
    "  report 姓 名 [--gender nan|nv] [--birth \"YYYY-MM-DD HH[:MM]\"]\n"
    "                      名字解析页面（HTML） the analysis report page (HTML)\n"
    "  check 姓 名           名字体检 the name check: 每条一行 级别 类别 说明 (level kind text)\n"
    "  char 字              一个字的属性和字义 a character's attributes and Chinese meaning\n"
    "  surname 姓           姓氏起源（纯文本） a surname's origin as plain text\n"
    "  source 名            名字的诗词出处 the verses a given name comes from: 朝代 诗人 诗名 诗句\n"
    "  generate 姓 --gender nan|nv [--length 1|2] [--fixed 字 --position 1|2] [--birth \"YYYY-MM-DD HH:MM\"]\n"
    "           [--avoid 字字] [--min-score N] [--top N] [--format tsv|json]\n"
    "                      推荐名字，最好的在前 the recommended names, best first:\n"
    "                      姓名 拼音 评分 推荐 理由\n"
    "  chart YYYY-MM-DD HH[:MM]\n"
    "                      生辰八字 the birth chart: 八字四柱 八字五行 纳音 生日(农历) 星期 星座 生肖 五行\n"
    "                      喜用神得分 喜用神\n"
    "  lunar YYYY-MM-DD    农历日期 the lunar date: 日期 农历年 农历月 农历日 日名\n"
    "  chart - | lunar -   从标准输入逐行读取，每行输出一行 one input a line from stdin, one line out each\n"
    "  almanac YEAR        结婚黄道吉日表 the wedding days of a year (1900-2099), one a line\n"
    "  reading zodiac|star|birthday|history YYYY-MM-DD [HH[:MM]]\n"
    "                      生日解读（纯文本） a birth reading as plain text\n"
    "\n"
    "score/report/check/char/surname/chart/source/reading 读取 --db 指定的文件；未指定时读取工作目录中的 data.dll，没有则读取数据目录中的\n"
    "                      qiming/data.dll（即 run.sh 使用的数据库）\n"
    "score/report/check/char/surname/chart/source/reading read --db FILE, else data.dll in the working directory,\n"
    "                      else ${XDG_DATA_HOME:-~/.local/share}/qiming/data.dll (where run.sh keeps it)\n"
    "\n"
    "qiming-cli <命令> --help 查看命令的选项 / shows a command's options.\n"
    "qiming-cli --version  版本和数据版本 / the version and the data version\n";

struct Subcommand {
    const char *name;
    int (*run)(const QStringList &args);
};

const Subcommand kSubcommands[] = {
    {"db", runDbCommand},
    {"score", runScoreCommand},
    {"report", runReportCommand},
    {"check", runCheckCommand},
    {"char", runCharCommand},
    {"surname", runSurnameCommand},
    {"chart", runChartCommand},
    {"lunar", runLunarCommand},
    {"source", runSourceCommand},
    {"almanac", runAlmanacCommand},
    {"reading", runReadingCommand},
    {"generate", runGenerateCommand},
};

// Runs the subcommand of that name, or says there is none.
int runSubcommand(const QString &command, const QStringList &args)
{
    for (const Subcommand &s : kSubcommands)
        if (command == QLatin1String(s.name))
            return s.run(args);
    err() << QStringLiteral("未知命令 unknown command: %1\n").arg(oneLine(command));
    return BadInput;
}

} // namespace

} // namespace qiming::cli

int main(int argc, char *argv[])
{
    using namespace qiming::cli;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qiming-cli"));
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("--version") || command == QLatin1String("-V")) {
        out() << QStringLiteral("qiming-cli %1（数据版本 %2 / data version %2）\n")
                     .arg(qiming::data::programVersion())
                     .arg(qiming::data::compiledDataVersion());
        out().flush();
        return Ok;
    }
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        out() << QString::fromUtf8(kUsage);
        out().flush();
        return command.isEmpty() ? BadInput : Ok;
    }
    QStringList rest = args.mid(2);
    rest.prepend(args.value(0) + QLatin1Char(' ') + command);
    const int code = runSubcommand(command, rest);
    out().flush();
    err().flush();
    return code;
}
