// The calendar against an established astronomical calendar on every day and hour of
// 1900-2100 (the facts in tests/fixtures/calendar).
#include "CalendarFixtures.h"

#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace qiming;
using namespace qiming::test;

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

std::string dateText(const QDate &d)
{
    return d.toString(Qt::ISODate).toStdString();
}

std::string lunarText(const calendar::LunarDate &l)
{
    return std::to_string(l.year) + (l.isLeap ? " 闰" : " ") + std::to_string(l.month) + "-" + std::to_string(l.day);
}

// Reports the first few of many mismatches and their count.
class Mismatches {
public:
    void add(const std::string &what)
    {
        if (++m_count <= 10)
            m_first += what + "\n";
    }
    void expectNone() const { EXPECT_EQ(m_count, 0) << m_first; }

private:
    int m_count = 0;
    std::string m_first;
};

} // namespace

TEST(CalendarFixtureTest, EveryDayConvertsToItsLunarDate)
{
    const auto &months = calendarFixtures().months;
    // The new moon of 2057-09-28 falls 25 s after midnight in UTC+8, and astronomical calendars
    // begin that month on either side of it: the day before the fixture's first day is also
    // right as day 1, each later day of the month as one more.
    const qint64 disputed = QDate(2057, 9, 28).toJulianDay();
    Mismatches mismatches;
    size_t m = 0;
    for (QDate d(kFirstYear, 1, 1); d.year() <= kLastYear; d = d.addDays(1)) {
        const qint64 jd = d.toJulianDay();
        while (m + 1 < months.size() && months[m + 1].firstDay <= jd)
            ++m;
        const LunarMonthRow &row = months[m];
        const calendar::LunarDate expected{row.year, row.month, int(jd - row.firstDay + 1), row.leap};
        calendar::LunarDate got;
        ASSERT_TRUE(calendar::solarToLunar(d.year(), d.month(), d.day(), &got)) << dateText(d);
        if (got == expected)
            continue;
        const LunarMonthRow &next = months[std::min(m + 1, months.size() - 1)];
        const LunarMonthRow &month = jd == disputed ? next : row;
        if (jd >= disputed && month.firstDay == disputed + 1 && jd < disputed + 31
            && got == calendar::LunarDate{month.year, month.month, int(jd - disputed + 1), month.leap})
            continue;
        mismatches.add(dateText(d) + ": " + lunarText(got) + ", expected " + lunarText(expected));
    }
    mismatches.expectNone();
}

TEST(CalendarFixtureTest, LeapMonthTableMatchesTheMonths)
{
    int leapMonth[kLastYear + 1] = {};
    for (const LunarMonthRow &row : calendarFixtures().months) {
        if (row.leap && row.year >= kFirstYear && row.year <= kLastYear)
            leapMonth[row.year] = row.month;
    }
    for (int y = kFirstYear; y <= kLastYear; ++y)
        EXPECT_EQ(calendar::leapMonthOf(y), leapMonth[y]) << y;
}

// Seconds between our moment and the fixture's, for every term of 1900-2100.
TEST(CalendarFixtureTest, EverySolarTermWithinAMinute)
{
    double sum[2] = {};
    double worst[2] = {};
    int count[2] = {};
    Mismatches late;
    for (const SolarTermRow &row : calendarFixtures().terms) {
        const int year = row.moment.date.year();
        if (year < kFirstYear || year > kLastYear)
            continue;
        const double moment = calendar::solarTermMoment(year, row.term);
        const double expected = row.moment.date.dayOfYear() + row.moment.seconds / 86400.0;
        const double error = std::abs(moment - expected) * 86400;
        const int kind = row.term % 2; // 1 for a 节
        sum[kind] += error;
        worst[kind] = std::max(worst[kind], error);
        ++count[kind];
        if (error > 60)
            late.add(dateText(row.moment.date) + " term " + std::to_string(row.term) + ": " + std::to_string(error) + " s");
        // The pillars trust the estimate to tell the side of a term when it is hours away.
        const double estimateError = std::abs(calendar::estimatedTermMoment(year, row.term) - expected) * 1440;
        if (estimateError > 30)
            late.add(dateText(row.moment.date) + " term " + std::to_string(row.term) + " estimate: "
                     + std::to_string(estimateError) + " min");
    }
    late.expectNone();
    EXPECT_EQ(count[1], 12 * (kLastYear - kFirstYear + 1));
    const auto report = [&](int kind, const char *name) {
        RecordProperty(std::string(name) + "_mean_s", std::to_string(sum[kind] / count[kind]));
        RecordProperty(std::string(name) + "_max_s", std::to_string(worst[kind]));
    };
    report(1, "jie");
    report(0, "zhongqi");
}

namespace {

int cycleIndex(const QString &name)
{
    int stem = calendar::kStems.indexOf(name.at(0));
    int branch = calendar::kBranches.indexOf(name.at(1));
    return calendar::cycleIndexOf(stem, branch);
}

struct Pillars {
    int year = -1, month = -1, day = -1, hour = -1;
    std::string text() const
    {
        return QStringList{calendar::cycleName(year), calendar::cycleName(month), calendar::cycleName(day),
                           calendar::cycleName(hour)}
            .join(QLatin1Char(' '))
            .toStdString();
    }
};

// The pillars the fixtures give for every moment of the range, asked in time order. Within a
// minute of a 节 the pillars of either side are right.
class ExpectedPillars {
public:
    explicit ExpectedPillars(const CalendarFixtures &f)
    {
        for (const SolarTermRow &row : f.terms)
            m_terms.push_back({row.moment.total(), cycleIndex(row.yearPillar), cycleIndex(row.monthPillar)});
        for (const QString &p : f.januaryFirstDayPillars)
            m_januaryFirst.push_back(cycleIndex(p));
        for (int stem = 0; stem < 10; ++stem) {
            for (int h = 0; h < 24; ++h)
                m_hours[stem][h] = cycleIndex(f.hourPillars[stem][h]);
        }
    }

    // The pillars at the moment, and those of the other side when a term is within a minute.
    std::pair<Pillars, Pillars> at(const QDate &date, int hour, int minute)
    {
        const qint64 t = date.toJulianDay() * 86400 + hour * 3600 + minute * 60;
        while (m_term + 1 < m_terms.size() && m_terms[m_term + 1].start <= t)
            ++m_term;
        Pillars p;
        p.day = int((m_januaryFirst.at(date.year() - kFirstYear) + date.dayOfYear() - 1 + (hour == 23 ? 1 : 0)) % 60);
        p.hour = m_hours[p.day % 10][hour];
        p.year = m_terms[m_term].year;
        p.month = m_terms[m_term].month;
        Pillars other = p;
        if (t - m_terms[m_term].start <= 60 && m_term > 0) {
            other.year = m_terms[m_term - 1].year;
            other.month = m_terms[m_term - 1].month;
        } else if (m_term + 1 < m_terms.size() && m_terms[m_term + 1].start - t <= 60) {
            other.year = m_terms[m_term + 1].year;
            other.month = m_terms[m_term + 1].month;
        }
        return {p, other};
    }

private:
    struct Term {
        qint64 start;
        int year, month;
    };
    std::vector<Term> m_terms;
    std::vector<int> m_januaryFirst;
    int m_hours[10][24] = {};
    size_t m_term = 0;
};

void checkPillars(ExpectedPillars &expected, const QDate &d, int hour, int minute, Mismatches &mismatches)
{
    const auto [want, other] = expected.at(d, hour, minute);
    const int y = d.year(), m = d.month(), day = d.day();
    Pillars got;
    got.year = calendar::yearPillar(y, m, day, hour, minute);
    got.month = calendar::monthPillar(y, m, day, hour, minute);
    got.day = calendar::dayPillar(y, m, day, hour);
    got.hour = calendar::hourPillar(y, m, day, hour);
    const bool yearMonthOk = (got.year == want.year && got.month == want.month)
                             || (got.year == other.year && got.month == other.month);
    if (!yearMonthOk || got.day != want.day || got.hour != want.hour) {
        mismatches.add(QStringLiteral("%1 %2:%3 ").arg(d.toString(Qt::ISODate)).arg(hour).arg(minute, 2, 10, QLatin1Char('0')).toStdString()
                       + got.text() + ", expected " + want.text());
    }
}

} // namespace

TEST(CalendarFixtureTest, FourPillarsAtEveryHour)
{
    ExpectedPillars expected(calendarFixtures());
    Mismatches mismatches;
    for (QDate d(kFirstYear, 1, 1); d.year() <= kLastYear; d = d.addDays(1)) {
        for (int h = 0; h < 24; ++h)
            checkPillars(expected, d, h, 0, mismatches);
    }
    mismatches.expectNone();
}

TEST(CalendarFixtureTest, FourPillarsAtTheHalfHoursOfEveryJieDay)
{
    const CalendarFixtures &f = calendarFixtures();
    ExpectedPillars expected(f);
    Mismatches mismatches;
    int days = 0;
    for (const SolarTermRow &row : f.terms) {
        const QDate d = row.moment.date;
        if (row.term % 2 == 0 || d.year() < kFirstYear || d.year() > kLastYear)
            continue;
        ++days;
        for (int h = 0; h < 24; ++h) {
            checkPillars(expected, d, h, 0, mismatches);
            checkPillars(expected, d, h, 30, mismatches);
        }
    }
    EXPECT_EQ(days, 12 * (kLastYear - kFirstYear + 1));
    mismatches.expectNone();
}
