// The two fixed texts: the festivals in their printed forms and the zodiac year table.
#include "calendar/DayAlmanac.h"
#include "calendar/Sexagenary.h"
#include "tools/FunTexts.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace qiming;

TEST(Festivals, FortyThreeLinesOfDatedFestivalsUnderTheirMonths)
{
    const QStringList lines = tools::festivalLines();
    EXPECT_EQ(lines.size(), 43);
    static const QStringList gregorianMonths{QStringLiteral("一月"), QStringLiteral("二月"), QStringLiteral("三月"),
                                             QStringLiteral("四月"), QStringLiteral("五月"), QStringLiteral("六月"),
                                             QStringLiteral("七月"), QStringLiteral("八月"), QStringLiteral("九月"),
                                             QStringLiteral("十月"), QStringLiteral("十一月"), QStringLiteral("十二月")};
    static const QStringList lunarMonths{QStringLiteral("正月"), QStringLiteral("二月"), QStringLiteral("三月"),
                                         QStringLiteral("四月"), QStringLiteral("五月"), QStringLiteral("六月"),
                                         QStringLiteral("七月"), QStringLiteral("八月"), QStringLiteral("九月"),
                                         QStringLiteral("十月"), QStringLiteral("冬月"), QStringLiteral("腊月")};
    const QRegularExpression label(QStringLiteral("^(\\S+?)："));
    const QRegularExpression festival(QStringLiteral("([^\\s\\[\\]　：]+)\\[([^\\]]+)\\]"));
    const QRegularExpression gregorian(QStringLiteral("^(\\d\\d)/(\\d\\d)$"));
    const QRegularExpression lunar(QStringLiteral("^农历(.月)"));
    bool inLunar = false;
    QString month;
    int festivals = 0;
    QStringList names;
    for (const QString &line : lines) {
        if (line == QStringLiteral("【农历节日】"))
            inLunar = true;
        if (line.isEmpty() || line.startsWith(QStringLiteral("【")))
            continue;
        if (const auto m = label.match(line); m.hasMatch())
            month = m.captured(1);
        const int monthNumber = int((inLunar ? lunarMonths : gregorianMonths).indexOf(month)) + 1;
        ASSERT_GT(monthNumber, 0) << line.toStdString();
        auto it = festival.globalMatch(line);
        ASSERT_TRUE(it.hasNext()) << line.toStdString();
        while (it.hasNext()) {
            const auto f = it.next();
            const QString date = f.captured(2);
            ++festivals;
            EXPECT_FALSE(names.contains(f.captured(1))) << f.captured(1).toStdString();
            names << f.captured(1);
            if (inLunar) {
                const auto l = lunar.match(date);
                ASSERT_TRUE(l.hasMatch()) << date.toStdString();
                EXPECT_EQ(l.captured(1), month) << date.toStdString();
            } else {
                const auto g = gregorian.match(date);
                ASSERT_TRUE(g.hasMatch()) << date.toStdString();
                EXPECT_EQ(g.captured(1).toInt(), monthNumber) << date.toStdString();
                EXPECT_TRUE(QDate(2024, g.captured(1).toInt(), g.captured(2).toInt()).isValid()) << date.toStdString();
            }
        }
    }
    EXPECT_GT(festivals, 60);
    // The great festivals are there with their dates.
    const QString text = tools::festivalText();
    for (const char *f : {"元旦[01/01]", "情人节[02/14]", "国庆节[10/01]", "春节[农历正月初一]", "端午节[农历五月初五]",
                          "中秋节[农历八月十五]", "重阳节[农历九月初九]", "七夕节[农历七月初七]"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(f))) << f;
}

TEST(ZodiacYears, EveryYearFrom1900To2103StandsUnderItsAnimal)
{
    const QStringList lines = tools::zodiacYearLines();
    ASSERT_EQ(lines.size(), 2 + 17);
    EXPECT_EQ(lines.at(0).split(QLatin1Char('\t')).join(QLatin1Char(' ')).toStdString(),
              "鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪");
    EXPECT_EQ(lines.at(1).split(QLatin1Char('\t')).join(QLatin1Char(' ')).toStdString(),
              "子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥");
    int expectedYear = 1900;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 12) << i;
        for (int column = 0; column < 12; ++column) {
            const int year = cells.at(column).toInt();
            EXPECT_EQ(year, expectedYear++);
            // The column is the year's branch in the sexagenary cycle.
            EXPECT_EQ(calendar::yearCycleIndex(year) % 12, column) << year;
        }
    }
    EXPECT_EQ(expectedYear - 1, 2103);
}
