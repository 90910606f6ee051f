#include "tools/FunTexts.h"

#include "calendar/DayAlmanac.h"
#include "calendar/Sexagenary.h"

namespace qiming::tools {

namespace {

struct FestivalMonth {
    const char *label;
    std::initializer_list<const char *> festivals;
};

// Fixed-date festivals and observances only: those that move (母亲节, 清明 …) have no date
// of the two printed forms.
const FestivalMonth kGregorian[] = {
    {"一月", {"元旦[01/01]", "中国人民警察节[01/10]"}},
    {"二月", {"世界湿地日[02/02]", "情人节[02/14]"}},
    {"三月", {"全国爱耳日[03/03]", "学雷锋纪念日[03/05]", "妇女节[03/08]", "植树节[03/12]", "消费者权益日[03/15]",
              "世界水日[03/22]"}},
    {"四月", {"愚人节[04/01]", "国际儿童图书日[04/02]", "世界卫生日[04/07]", "世界地球日[04/22]", "世界读书日[04/23]",
              "世界知识产权日[04/26]"}},
    {"五月", {"劳动节[05/01]", "青年节[05/04]", "世界红十字日[05/08]", "护士节[05/12]", "国际家庭日[05/15]",
              "国际博物馆日[05/18]", "世界无烟日[05/31]"}},
    {"六月", {"儿童节[06/01]", "世界环境日[06/05]", "全国爱眼日[06/06]", "世界海洋日[06/08]", "世界献血者日[06/14]",
              "国际禁毒日[06/26]"}},
    {"七月", {"建党节[07/01]", "香港回归纪念日[07/01]", "七七事变纪念日[07/07]", "世界人口日[07/11]",
              "中国航海日[07/11]"}},
    {"八月", {"建军节[08/01]", "中国医师节[08/19]"}},
    {"九月", {"抗战胜利纪念日[09/03]", "教师节[09/10]", "全国爱牙日[09/20]", "国际和平日[09/21]", "世界旅游日[09/27]",
              "烈士纪念日[09/30]"}},
    {"十月", {"国庆节[10/01]", "世界动物日[10/04]", "世界标准日[10/14]", "世界粮食日[10/16]"}},
    {"十一月", {"中国记者节[11/08]", "全国消防日[11/09]"}},
    {"十二月", {"世界艾滋病日[12/01]", "国际残疾人日[12/03]", "国家宪法日[12/04]", "世界人权日[12/10]",
                "国家公祭日[12/13]", "澳门回归纪念日[12/20]", "平安夜[12/24]", "圣诞节[12/25]"}},
};

const FestivalMonth kLunar[] = {
    {"正月", {"春节[农历正月初一]", "元宵节[农历正月十五]"}},
    {"二月", {"龙抬头[农历二月初二]"}},
    {"三月", {"上巳节[农历三月初三]"}},
    {"四月", {"浴佛节[农历四月初八]"}},
    {"五月", {"端午节[农历五月初五]"}},
    {"七月", {"七夕节[农历七月初七]", "中元节[农历七月十五]"}},
    {"八月", {"中秋节[农历八月十五]"}},
    {"九月", {"重阳节[农历九月初九]"}},
    {"十月", {"寒衣节[农历十月初一]", "下元节[农历十月十五]"}},
    {"腊月", {"腊八节[农历腊月初八]", "北方小年[农历腊月廿三]", "南方小年[农历腊月廿四]", "除夕[农历腊月最后一天]"}},
};

// Two festivals a line; the month's name opens its first line and the others are indented
// to match.
void addMonths(QStringList &lines, const FestivalMonth *months, size_t count)
{
    const QString gap = QStringLiteral("　　");
    for (size_t m = 0; m < count; ++m) {
        const QString label = QString::fromUtf8(months[m].label) + QStringLiteral("：");
        const QString indent(label.size(), QChar(0x3000));
        QStringList items;
        for (const char *f : months[m].festivals)
            items << QString::fromUtf8(f);
        for (qsizetype i = 0; i < items.size(); i += 2)
            lines << (i == 0 ? label : indent) + items.mid(i, 2).join(gap);
    }
}

} // namespace

QStringList festivalLines()
{
    QStringList lines{QStringLiteral("【公历节日】")};
    addMonths(lines, kGregorian, std::size(kGregorian));
    lines << QString() << QStringLiteral("【农历节日】");
    addMonths(lines, kLunar, std::size(kLunar));
    return lines;
}

QString festivalText()
{
    return festivalLines().join(QLatin1Char('\n'));
}

QStringList zodiacYearLines()
{
    QStringList animals;
    QStringList branches;
    for (int b = 0; b < 12; ++b) {
        animals << calendar::zodiacAnimal(b);
        branches << calendar::kBranches.at(b);
    }
    QStringList lines{animals.join(QLatin1Char('\t')), branches.join(QLatin1Char('\t'))};
    // 1900 is a 子 year; a line of twelve starts at every 子 year after it.
    for (int first = kFirstZodiacYear; first <= kLastZodiacYear; first += 12) {
        QStringList years;
        for (int y = first; y < first + 12 && y <= kLastZodiacYear; ++y)
            years << QString::number(y);
        lines << years.join(QLatin1Char('\t'));
    }
    return lines;
}

QString zodiacYearText()
{
    return zodiacYearLines().join(QLatin1Char('\n'));
}

} // namespace qiming::tools
