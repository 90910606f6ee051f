// The wedding days against the almanac they come from (the facts in tests/fixtures/almanac),
// and the page's lines in the printed form.
#include "calendar/DayAlmanac.h"
#include "data/Tsv.h"
#include "tools/WeddingDays.h"

#include <gtest/gtest.h>

#include <map>

using namespace qiming;

namespace {

QString fixturePath()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/almanac/wedding-days.tsv");
}

std::string text(const QString &s)
{
    return s.toStdString();
}

} // namespace

TEST(WeddingDays, TheSampleLineOf2015ComesOutExactly)
{
    const QStringList lines = tools::weddingDayLines(2015);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(text(lines.at(0)), "2015年结婚黄道吉日表");
    EXPECT_EQ(text(lines.at(1)), "");
    EXPECT_EQ(text(lines.at(2)), "2015年01月04日 农历11月(小)14日 星期日  冲狗(甲戌)煞南");
    // The branch 戌 (U+620C), never the look-alike 戍 (U+620D).
    EXPECT_TRUE(lines.at(2).contains(QChar(0x620C)));
    EXPECT_FALSE(tools::weddingDayText(2015).contains(QChar(0x620D)));
}

TEST(WeddingDays, EveryDayOf2015To2035IsTheAlmanacsWithItsLunarDateAndClash)
{
    data::TsvTable table;
    QString error;
    ASSERT_TRUE(data::readTsv(fixturePath(), &table, &error)) << text(error);
    std::map<int, std::vector<QStringList>> expected; // by year
    for (const QVariantList &row : table.rows) {
        QStringList cells;
        for (const QVariant &v : row)
            cells << v.toString();
        expected[cells.at(0).left(4).toInt()].push_back(cells);
    }
    ASSERT_EQ(expected.size(), size_t(tools::kLastAlmanacYear - tools::kFirstAlmanacYear + 1));

    for (const auto &[year, rows] : expected) {
        const std::vector<tools::WeddingDay> days = tools::weddingDays(year);
        ASSERT_EQ(days.size(), rows.size()) << year;
        for (size_t i = 0; i < days.size(); ++i) {
            const tools::WeddingDay &d = days[i];
            const QStringList &e = rows[i];
            const QString got = QStringList{QString::asprintf("%04d-%02d-%02d", d.year, d.month, d.day),
                                            QString::number(d.lunar.year),
                                            QString::number(d.lunar.isLeap ? -d.lunar.month : d.lunar.month),
                                            QString::number(d.lunar.day), QString::number(d.lunarMonthDays),
                                            calendar::cycleName(d.dayPillar), calendar::zodiacAnimal(d.clash % 12),
                                            calendar::cycleName(d.clash), d.sha}
                                    .join(QLatin1Char(' '));
            ASSERT_EQ(text(got), text(e.join(QLatin1Char(' '))));
        }
    }
}

TEST(WeddingDays, TheAlmanacGives130DaysIn2015)
{
    // The printed table this page first showed had 123; the almanac the days come from has 130.
    EXPECT_EQ(tools::weddingDays(2015).size(), 130u);
}

TEST(WeddingDays, ALeapMonthAndALongMonthReadAsPrinted)
{
    // A day made up for the form: the first of a leap sixth month of 29 days, a 甲子 day.
    tools::WeddingDay d;
    d.year = 2017;
    d.month = 7;
    d.day = 23;
    d.lunar = {2017, 6, 1, true};
    d.lunarMonthDays = 29;
    d.weekday = 0;
    d.dayPillar = calendar::cycleIndexOf(0, 0);
    d.clash = calendar::clashingDay(d.dayPillar);
    d.sha = calendar::shaDirection(d.dayPillar);
    EXPECT_EQ(text(tools::weddingDayLine(d)), "2017年07月23日 农历闰6月(小)1日 星期日  冲马(戊午)煞南");
    d.lunarMonthDays = 30;
    EXPECT_TRUE(tools::weddingDayLine(d).contains(QStringLiteral("(大)")));
}

TEST(WeddingDays, YearsTheCalendarCannotFinishGiveNoDays)
{
    EXPECT_TRUE(tools::weddingDays(1899).empty());
    EXPECT_TRUE(tools::weddingDays(2100).empty());
    EXPECT_FALSE(tools::weddingDays(1900).empty());
    EXPECT_FALSE(tools::weddingDays(2099).empty());
    EXPECT_EQ(tools::weddingDayLines(2100).size(), 2); // the title and the empty line
}

TEST(DayAlmanac, ClashAndShaFollowTheBranch)
{
    struct Case {
        const char *day;
        const char *clash;
        const char *animal;
        const char *sha;
    };
    const Case cases[] = {
        {"甲子", "戊午", "马", "南"}, {"乙丑", "己未", "羊", "东"}, {"丙寅", "庚申", "猴", "北"},
        {"丁卯", "辛酉", "鸡", "西"}, {"庚辰", "甲戌", "狗", "南"}, {"癸亥", "丁巳", "蛇", "西"},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromUtf8(c.day);
        const int stem = calendar::kStems.indexOf(name.at(0));
        const int branch = calendar::kBranches.indexOf(name.at(1));
        const calendar::GanZhi day = calendar::cycleIndexOf(stem, branch);
        const calendar::GanZhi clash = calendar::clashingDay(day);
        EXPECT_EQ(text(calendar::cycleName(clash)), c.clash) << c.day;
        EXPECT_EQ(text(calendar::zodiacAnimal(clash % 12)), c.animal) << c.day;
        EXPECT_EQ(text(calendar::shaDirection(day)), c.sha) << c.day;
    }
    EXPECT_EQ(calendar::clashingDay(60), -1);
    EXPECT_TRUE(calendar::shaDirection(-1).isEmpty());
    EXPECT_TRUE(calendar::zodiacAnimal(12).isEmpty());
}
