#include "data/Schema.h"

namespace qiming::data {

namespace {

// Text keys compare without regard to ASCII case, as the original engine compared them.
const QString kKey = QStringLiteral("text collate nocase");
const QString kText = QStringLiteral("text");

ColumnDef key(const char *name)
{
    return {QString::fromUtf8(name), kKey, true};
}
ColumnDef text(const char *name)
{
    return {QString::fromUtf8(name), kText, false};
}
ColumnDef number(const char *name)
{
    return {QString::fromUtf8(name), QStringLiteral("numeric"), false};
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *n : list)
        out << QString::fromUtf8(n);
    return out;
}

std::vector<TableDef> makeSchema()
{
    std::vector<TableDef> t;
    t.push_back({"字典", {key("zi"), text("bihua"), text("pinyin"), text("py"), text("jijie"), text("xiangjie")},
                 names({"zi"})});
    t.push_back({"五行", {key("zi"), text("wuxing"), text("bihua")}, names({"zi"})});
    // Built by the extractor for the name check: 通用规范 level (1-3, empty outside the table),
    // radical, every reading (usual first), and for a traditional or variant form its standard one.
    t.push_back({"用字", {key("zi"), text("级别"), text("部首"), text("读音"), text("规范字"), text("异形")},
                 names({"zi"})});
    // The project's Chinese meanings of name characters, plain text: read by the report and the CLI.
    t.push_back({"字义", {key("zi"), text("字义"), text("寓意"), text("出处"), text("词语")}, names({"zi"})});
    t.push_back({"N81", {key("num"), text("jx"), text("yy"), text("as"), text("content")}, names({"num"})});
    t.push_back({"sc",
                 {key("title"), text("jx"), text("yy"), text("content"), text("jcy"), text("jx1"), text("cgy"),
                  text("jx2"), text("rjgx"), text("jx3"), text("xg")},
                 names({"title"})});
    t.push_back({"男常用字", {key("字")}, names({"字"})});
    t.push_back({"女常用字", {key("字")}, names({"字"})});
    t.push_back({"初始信息", {text("姓氏"), text("性别"), text("年"), text("月"), text("日"), text("时"), text("分")},
                 {}, true});
    t.push_back({"自选列表",
                 {{QStringLiteral("ID"), QStringLiteral("integer primary key autoincrement"), true},
                  text("名字"), text("danxing"), text("danming"), text("xingbie")},
                 {}, true});
    t.push_back({"诗词", {key("朝代"), key("诗人"), key("诗名"), text("诗句")}, {}});
    t.push_back({"小名", {text("小名")}, {}});
    // 排名: 1 for the best-known name of its initial and gender; the suggestions list in that order.
    t.push_back({"英文名", {text("英文名"), key("字母"), key("性别"), number("排名")}, {}});
    t.push_back({"纳音", {key("jiazi"), text("nayin")}, names({"jiazi"})});
    t.push_back({"喜用神天干", {key("天干"), key("生月"), number("数值")}, names({"天干", "生月"})});
    // Several rows per branch and month: one per stem hidden in the branch.
    t.push_back({"喜用神地支", {key("地支"), key("生月"), text("支藏"), number("数值")}, names({"地支", "生月", "支藏"})});
    t.push_back({"生肖分析", {key("title"), text("content")}, names({"title"})});
    t.push_back({"生日分析", {key("day"), text("content")}, names({"day"})});
    t.push_back({"星座分析", {key("title"), text("content")}, names({"title"})});
    t.push_back({"历史上的今天", {key("h_month"), key("h_day"), text("h_con")}, {}});
    t.push_back({"百家姓", {key("xing"), text("intro")}, names({"xing"})});
    t.push_back({"血型配对", {key("xuexing1"), key("xuexing2"), text("title2"), text("content")},
                 names({"xuexing1", "xuexing2"})});
    t.push_back({"指纹预测", {key("zhiwen"), text("jiexi")}, names({"zhiwen"})});
    t.push_back({"星座配对", {key("xingzuo1"), key("xingzuo2"), text("title"), text("content1"), text("content2")},
                 names({"xingzuo1", "xingzuo2"})});
    // The month of a row is read by position: two columns, then one column per month.
    TableDef boyOrGirl{"生男生女", {{QStringLiteral("ID"), QStringLiteral("integer"), false}, key("nn")},
                       names({"nn"})};
    const char *months[] = {"一月", "二月", "三月", "四月", "五月", "六月",
                            "七月", "八月", "九月", "十月", "十一月", "十二月"};
    for (const char *m : months)
        boyOrGirl.columns.push_back(text(m));
    t.push_back(boyOrGirl);
    t.push_back({"生肖运势", {{QStringLiteral("ID"), QStringLiteral("integer"), true}, text("生肖"), text("运势")},
                 names({"ID"})});
    // Project tables beside the original schema: name readings and the name check.
    t.push_back({"多音姓", {key("姓"), text("拼音")}, names({"姓"})});
    t.push_back({"名读音", {key("词"), text("拼音")}, names({"词"})});
    t.push_back({"谐音", {key("拼音"), text("谐音"), text("类别"), text("说明")}, {}});
    // Built by the extractor, the evidence that two characters belong together in a name: the
    // project's name list, the pairs poets set side by side (with the line to quote, empty when
    // none fits) and the two-character words of both pools.
    t.push_back({"名字库", {key("名字"), text("性别"), text("风格"), text("寓意"), text("出处")}, names({"名字"})});
    t.push_back({"诗词搭配", {key("字对"), number("次数"), text("诗句"), text("出处")}, names({"字对"})});
    t.push_back({"词语", {key("词"), number("词频"), text("词性")}, names({"词"})});
    return t;
}

} // namespace

const ColumnDef *TableDef::column(const QString &n) const
{
    for (const ColumnDef &c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList TableDef::columnNames() const
{
    QStringList out;
    for (const ColumnDef &c : columns)
        out << c.name;
    return out;
}

const std::vector<TableDef> &schemaTables()
{
    static const std::vector<TableDef> tables = makeSchema();
    return tables;
}

const TableDef *findTable(const QString &name)
{
    for (const TableDef &t : schemaTables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString quoteIdentifier(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString createTableSql(const TableDef &table)
{
    QStringList cols;
    for (const ColumnDef &c : table.columns)
        cols << quoteIdentifier(c.name) + QLatin1Char(' ') + c.type;
    return QStringLiteral("create table %1 (%2)").arg(quoteIdentifier(table.name), cols.join(QStringLiteral(", ")));
}

QStringList createIndexSql(const TableDef &table)
{
    QStringList out;
    QStringList quotedUnique;
    for (const QString &c : table.uniqueKey)
        quotedUnique << quoteIdentifier(c);
    if (!quotedUnique.isEmpty())
        out << QStringLiteral("create unique index %1 on %2 (%3)")
                   .arg(quoteIdentifier(table.name + QStringLiteral("_key")), quoteIdentifier(table.name),
                        quotedUnique.join(QStringLiteral(", ")));
    for (const ColumnDef &c : table.columns) {
        if (!c.key || c.type.contains(QLatin1String("primary key")))
            continue;
        if (table.uniqueKey.size() == 1 && table.uniqueKey.first() == c.name)
            continue;
        out << QStringLiteral("create index %1 on %2 (%3)")
                   .arg(quoteIdentifier(table.name + QLatin1Char('_') + c.name), quoteIdentifier(table.name),
                        quoteIdentifier(c.name));
    }
    return out;
}

} // namespace qiming::data
