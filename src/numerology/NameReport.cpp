#include "numerology/NameReport.h"

#include "data/RowSet.h"
#include "data/TextNumber.h"
#include "numerology/FiveGrids.h"
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

struct GridText {
    const char *prefix; // placeholder prefix: tiange, renge, dige, waige, zongge
    QString number;
};

} // namespace

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

QString buildNameReport(data::Database &db, const ScoredName &input, const QString &charset)
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

    QString page = reportTemplate();
    page.replace(QStringLiteral("charset=gb2312"), QStringLiteral("charset=") + charset);
    for (const auto &[placeholder, value] : values)
        page.replace(placeholder, value);
    // Last: verses are never read as placeholders.
    page.replace(QStringLiteral("shicichuchu"), poemSourceBlock(db, input));
    return page;
}

} // namespace qiming::numerology
