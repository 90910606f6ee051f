#include "numerology/NameReport.h"

#include "data/RowSet.h"
#include "data/SharedDatabase.h"
#include "data/TextNumber.h"
#include "numerology/CharacterTables.h"
#include "numerology/FiveGrids.h"
#include "numerology/Homophones.h"
#include "numerology/Lookups.h"
#include "numerology/LuckTables.h"
#include "numerology/SharedNumerology.h"
#include "numerology/PoemSource.h"

#include <QFile>

#include <utility>
#include <vector>

namespace qiming::numerology {

namespace {

QString reportTemplate()
{
    static const QString text = [] {
        QFile f(QStringLiteral(":/numerology/report/NameReport.html"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }();
    return text;
}

const QString kTableStart = QStringLiteral(
    "<table width=\"96%\" align=\"center\" border=\"1\" cellspacing=\"0\" cellpadding=\"8\" "
    "bordercolor=\"#BBAC85\" bgcolor=\"#FDFBF2\">\n");

// The 字义 block: each given-name character's 寓意; empty when none has one.
QString meaningBlock(data::Database &db, const QString &given)
{
    QString rows;
    for (const QChar c : given) {
        const CharacterMeaning m = characterMeaning(db, QString(c));
        if (!m.found || m.meaning.isEmpty())
            continue;
        rows += QStringLiteral("<tr><td width=\"10%\" align=\"center\"><b>%1</b></td><td>%2</td></tr>\n")
                    .arg(QString(c).toHtmlEscaped(), m.meaning.toHtmlEscaped());
    }
    return rows.isEmpty() ? QString() : reportBlock(QStringLiteral("<tr><td colspan=\"2\"><b>字义</b></td></tr>\n") + rows);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// 95.48: the mean before rounding, two decimals.
QString meanText(const ScoreBreakdown &b)
{
    const int weighted = 5 * (b.terms[0].points + b.terms[1].points + b.terms[3].points + b.sancaiPoints)
        + b.terms[2].points;
    return QString::number(weighted / 21.0, 'f', 2);
}

QString verdictText(const QString &level)
{
    return level.isEmpty() ? QStringLiteral("—") : level;
}

struct GridText {
    const char *prefix; // placeholder prefix: tiange, renge, dige, waige, zongge
    QString number;
};

} // namespace

QString reportBlock(const QString &rows)
{
    return kTableStart + rows + QStringLiteral("</table>\n<p class=\"spacer\">&nbsp;</p>\n");
}

QString scoreComment(int score)
{
    if (score >= 90)
        return QStringLiteral("你的名字取得非常棒，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
    if (score >= 80)
        return QStringLiteral("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
    if (score >= 70)
        return QStringLiteral("你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。");
    return QStringLiteral("你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
}

QString nameCheckHtml(const NameCheck &check)
{
    QString html = kTableStart;
    html += QStringLiteral("<tr><td colspan=\"3\"><span class=\"heading\">名字体检</span>"
                           "　起名前值得留意的用字、读音和字形。</td></tr>\n");
    QStringList levels;
    for (const CharacterUsage &u : check.characters)
        levels << (u.known ? QStringLiteral("%1（%2）").arg(escaped(u.zi), usageLevelWords(u.level)) : escaped(u.zi));
    html += QStringLiteral("<tr><td width=\"12%\"><b>用字</b></td><td colspan=\"2\">%1"
                           "<br><span class=\"note\">依据《通用规范汉字表》（2013）：一级为常用字，二级为次常用字，"
                           "三级字较生僻；表外字户籍登记可能无法录入。</span></td></tr>\n")
                .arg(levels.join(QStringLiteral("　")));
    if (check.findings.empty()) {
        html += QStringLiteral("<tr><td width=\"12%\"><b>结果</b></td><td colspan=\"2\">未发现问题</td></tr>\n");
    } else {
        for (const NameFinding &f : check.findings) {
            const bool strong = f.level == FindingLevel::Strong;
            html += QStringLiteral("<tr><td width=\"12%\"><font color=\"%1\"><b>%2</b></font></td>"
                                   "<td width=\"12%\">%3</td><td>%4</td></tr>\n")
                        .arg(strong ? QStringLiteral("#FF0000") : QStringLiteral("#B8860B"), levelText(f.level),
                             escaped(f.kind), escaped(f.text));
        }
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QString scoreExplanationHtml(const ScoreBreakdown &b)
{
    QString html = kTableStart;
    html += QStringLiteral("<tr><td colspan=\"5\"><span class=\"heading\">评分说明</span>"
                           "　总分是人格、地格、外格、总格四个数与三才配置的加权平均：外格计 0.2 份，其余各计 1 份。"
                           "吉凶折分：大吉 100，吉 90，半吉 80，凶 70，大凶 60。天格由姓氏决定，不计入评分。</td></tr>\n");
    html += QStringLiteral("<tr><td width=\"14%\"><b>项目</b></td><td width=\"14%\"><b>数</b></td>"
                           "<td><b>吉凶</b></td><td width=\"12%\"><b>得分</b></td><td width=\"12%\"><b>权重</b></td></tr>\n");
    for (size_t i = 0; i < b.terms.size(); ++i) {
        const ScoreTerm &t = b.terms[i];
        QString level = verdictText(t.level);
        if (t.lonely)
            level += QStringLiteral("（孤寡数，按 50 分计）");
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>\n")
                    .arg(QString::fromUtf16(t.grid))
                    .arg(t.number)
                    .arg(escaped(level))
                    .arg(t.points)
                    .arg(i == 2 ? QStringLiteral("0.2") : QStringLiteral("1"));
    }
    const QString subVerdicts = QStringLiteral("基础运 %1、成功运 %2、人际关系 %3")
                                    .arg(verdictText(b.sancai.jx1), verdictText(b.sancai.jx2), verdictText(b.sancai.jx3));
    html += QStringLiteral("<tr><td>三才</td><td>%1</td><td>%2（%3）</td><td>%4</td><td>1</td></tr>\n")
                .arg(escaped(b.sancaiKey), escaped(verdictText(b.sancai.jx)), escaped(subVerdicts))
                .arg(b.sancaiPoints);
    html += QStringLiteral("<tr><td colspan=\"5\"><span class=\"note\">三才得分：总评为吉起算 100 分，平 80 分，凶 60 分，"
                           "再按基础运、成功运、人际关系三项的吉凶增减。</span></td></tr>\n");
    html += QStringLiteral("<tr><td colspan=\"5\">（人格 %1 + 地格 %2 + 总格 %3 + 三才 %4 + 0.2 × 外格 %5）÷ 4.2 = %6，"
                           "四舍五入得 <b>%7 分</b>。</td></tr>\n")
                .arg(b.terms[0].points)
                .arg(b.terms[1].points)
                .arg(b.terms[3].points)
                .arg(b.sancaiPoints)
                .arg(b.terms[2].points)
                .arg(meanText(b))
                .arg(b.score);
    if (b.female) {
        bool any = false;
        for (size_t i = 0; i < b.terms.size(); ++i) {
            const ScoreTerm &t = b.terms[i];
            if (!t.lonely)
                continue;
            any = true;
            std::array<int, 4> points{};
            for (size_t k = 0; k < 4; ++k)
                points[k] = k == i ? t.levelPoints : b.terms[k].points;
            const int without = weightedScore(points[0], points[1], points[2], points[3], b.sancaiPoints);
            html += QStringLiteral("<tr><td colspan=\"5\">%1 %2 是传统所说的孤寡数（21、23、26、28、29、33、39），"
                                   "旧说女孩的名字不宜用，所以这一项不按“%3”计 %4 分，只计 50 分。"
                                   "若照常计分，总分是 %5 分；这一条让总分少了 %6 分。</td></tr>\n")
                        .arg(QString::fromUtf16(t.grid))
                        .arg(t.number)
                        .arg(escaped(verdictText(t.level)))
                        .arg(t.levelPoints)
                        .arg(without)
                        .arg(without - b.score);
        }
        if (!any)
            html += QStringLiteral("<tr><td colspan=\"5\">女孩的名字按传统避开孤寡数（21、23、26、28、29、33、39），"
                                   "这个名字的人格、地格、外格、总格都不是孤寡数，没有因此扣分。</td></tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QString buildNameReport(data::Database &db, const ScoredName &input, const QString &charset)
{
    FiveGrids grids;
    if (!parseFiveGridsText(input.fiveGrids, &grids))
        throw data::ConversionError(QStringLiteral("%1 不是五格").arg(input.fiveGrids));
    const int surnameLength = input.surnameLength > 0 ? input.surnameLength : input.name.size() == 4 ? 2 : 1;
    const QString surname = input.name.left(surnameLength);
    const QString given = input.name.mid(surnameLength);
    // The program's connection has its tables loaded already; another database gets its own.
    if (&db == &data::sharedDatabase() && db.isOpen()) {
        return buildNameReport(db, input, checkName(surname, given),
                               explainScore(sharedLuckTables(), input.gender, grids), charset);
    }
    CharacterTables chars(db);
    LuckTables luck(db);
    const HomophoneTable homophones = HomophoneTable::load(db);
    return buildNameReport(db, input, checkName(db, chars, homophones, surname, given),
                           explainScore(luck, input.gender, grids), charset);
}

QString buildNameReport(data::Database &db, const ScoredName &input, const NameCheck &check,
                        const ScoreBreakdown &breakdown, const QString &charset)
{
    // 天 before the first "-", then 人, 地, 外, and 总 is all that remains after the fourth.
    QString rest = input.fiveGrids;
    QString numbers[5];
    for (int i = 0; i < 4; ++i) {
        const qsizetype dash = rest.indexOf(QLatin1Char('-'));
        numbers[i] = dash < 0 ? rest : rest.left(dash);
        rest = dash < 0 ? QString() : rest.mid(dash + 1);
    }
    numbers[4] = rest;
    const GridText grids[5] = {{"tiange", numbers[0]}, {"renge", numbers[1]}, {"dige", numbers[2]},
                               {"waige", numbers[3]}, {"zongge", numbers[4]}};
    const int score = data::parseInteger(input.score);

    // In the order of replacement: each works on the page the previous ones left.
    std::vector<std::pair<QString, QString>> values;
    const auto put = [&values](const QString &key, const QString &value) { values.emplace_back(key, value); };
    const auto key = [](const GridText &g, const char *suffix) {
        return QString::fromLatin1(g.prefix) + QString::fromLatin1(suffix);
    };

    // A number above 81 is read as a smaller one; its heading says so.
    QString readingNumbers[5];
    for (int i = 0; i < 5; ++i) {
        readingNumbers[i] = grids[i].number;
        bool ok = false;
        const int n = grids[i].number.toInt(&ok);
        QString heading = grids[i].number;
        if (ok && readingNumberOf(n) != n) {
            readingNumbers[i] = QString::number(readingNumberOf(n));
            heading = QStringLiteral("%1（按%2解）").arg(grids[i].number, readingNumbers[i]);
        }
        put(key(grids[i], "haoma"), heading);
    }
    for (const GridText &g : grids)
        put(key(g, "shuzi"), g.number);
    for (const GridText &g : grids)
        put(key(g, "wuxing"), elementOfNumber(g.number));
    for (int i = 0; i < 5; ++i) {
        const data::RowSet row = data::RowSet::load(db, QStringLiteral("select * from N81 where num=?"),
                                                    {readingNumbers[i]});
        put(key(grids[i], "n81yy"), row.field(QStringLiteral("yy")));
        put(key(grids[i], "n81jx"), row.field(QStringLiteral("jx")));
        put(key(grids[i], "n81as"), row.field(QStringLiteral("as")));
        put(key(grids[i], "n81content"), row.field(QStringLiteral("content")));
    }
    const QString sancaiKey = elementOfNumber(numbers[0]) + elementOfNumber(numbers[1]) + elementOfNumber(numbers[2]);
    put(QStringLiteral("sancaipeizhi"), sancaiKey);
    const data::RowSet sc = data::RowSet::load(db, QStringLiteral("select * from SC where title=?"), {sancaiKey});
    put(QStringLiteral("sancaiyy"), sc.field(QStringLiteral("yy")));
    put(QStringLiteral("sancaijixiong"), sc.field(QStringLiteral("jx")));
    put(QStringLiteral("sancaicontent"), sc.field(QStringLiteral("content")));
    for (const char *column : {"jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"})
        put(QStringLiteral("sancai") + QString::fromLatin1(column), sc.field(QString::fromLatin1(column)));
    put(QStringLiteral("mingzi"), input.name);
    put(QStringLiteral("hanziwuxing"), input.elements);
    put(QStringLiteral("kangxibihua"), input.kangxiStrokes);
    put(QStringLiteral("zongpingyijianyi"), scoreComment(score));
    put(QStringLiteral("pingfen"), input.score);
    // Last: their texts hold pinyin and notes that must not meet the placeholders above.
    put(QStringLiteral("xingmingpinyin"), QString(input.pinyin).replace(QLatin1Char('-'), QLatin1Char(' ')).toHtmlEscaped());
    put(QStringLiteral("jianchajieguo"), nameCheckHtml(check));
    put(QStringLiteral("defenguocheng"), scoreExplanationHtml(breakdown));

    QString page = reportTemplate();
    page.replace(QStringLiteral("charset=gb2312"), QStringLiteral("charset=") + charset);
    for (const auto &[placeholder, value] : values)
        page.replace(placeholder, value);
    const std::optional<ChartVerdict> verdict = chartVerdictFor(db, input);
    page.replace(QStringLiteral("baziduizhao"), verdict ? verdict->html : QString());
    page.replace(QStringLiteral("qumingyuyi"), meaningBlock(db, givenNameOf(input)));
    // Last: verses are never read as placeholders.
    page.replace(QStringLiteral("shicichuchu"), poemSourceBlock(db, input));
    return page;
}

namespace {

ChartVerdictSource &chartVerdictSource()
{
    static ChartVerdictSource source;
    return source;
}

} // namespace

void setChartVerdictSource(ChartVerdictSource source)
{
    chartVerdictSource() = std::move(source);
}

std::optional<ChartVerdict> chartVerdictFor(data::Database &db, const ScoredName &name)
{
    return chartVerdictSource() ? chartVerdictSource()(db, name) : std::nullopt;
}

} // namespace qiming::numerology
