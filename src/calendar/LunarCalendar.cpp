#include "calendar/LunarCalendar.h"

#include "calendar/CivilCalendar.h"
#include "calendar/DayAlmanac.h"
#include "calendar/Sexagenary.h"

#include <cmath>
#include <numbers>

namespace qiming::calendar {

namespace {

constexpr int kFirstTableYear = 1899;
constexpr int kLastTableYear = 2100;
constexpr int kFirstLunarYear = 1900;
// Leap months from -849 through 1899.
constexpr int kLeapMonthsBeforeTable = 1010;
// One hexadecimal digit a year from 1899: the month a leap month follows, 0 for none.
constexpr char kLeapMonths[] =
    "0"
    "8005004002" "0600500207" "0050040020" "6005003070" "0600400207"
    "0050030800" "6004003070" "0500408006" "0040a00600" "5003080050"
    "0400207005" "0040900600" "4002060050" "030b006005" "0020700500"
    "3080060040" "0307005004" "0800600400" "3070050040" "8006004002"
    "0";
static_assert(sizeof(kLeapMonths) - 1 == kLastTableYear - kFirstTableYear + 1);

struct LeapCounts {
    int through[kLastTableYear - kFirstTableYear + 1];
    constexpr LeapCounts() : through{}
    {
        int n = kLeapMonthsBeforeTable;
        for (int i = 0; i < kLastTableYear - kFirstTableYear + 1; ++i) {
            if (kLeapMonths[i] != '0')
                ++n;
            through[i] = n;
        }
    }
};
constexpr LeapCounts kLeapCounts;

// The new-moon series gives a day one off in these months: their new moons fall within minutes
// of midnight in UTC+8, and the calendar of the time counted them on the other side.
struct DayCorrection {
    int fromYear, fromMonth, fromDay;
    int toYear, toMonth, toDay;
    int delta;
};
constexpr DayCorrection kDayCorrections[] = {
    {1914, 11, 17, 1914, 12, 16, +1},
    {1916, 2, 3, 1916, 3, 3, +1},
    {1920, 11, 10, 1920, 12, 9, +1},
    {1924, 3, 5, 1924, 4, 3, +1},
    {2018, 11, 7, 2018, 12, 6, -1},
};

// x - trunc(x) above 0, x + trunc(x) otherwise: only ever used inside a sine or with a
// non-negative argument, where the two agree.
double frac(double x)
{
    return x > 0 ? x - std::trunc(x) : x + std::trunc(x);
}

double lunarDayOf(int year, int fixedDay)
{
    constexpr double kTwoPi = 2 * std::numbers::pi;
    constexpr double R = 57.29577951308232;
    const double T = (year - 1899.5) / 100;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double k = std::floor((year - 1900) * 12.3685);
    const auto angle = [&](double rate, double c0, double c2, double c3) {
        return kTwoPi * frac(rate * k) + c0 - c2 * T2 - c3 * T3;
    };
    const double base = angle(0, 0.75933, 0.0002172, 0.000000155) + 0.53058868 * k - 0.000837 * T + 8.0 / 24 + 0.5;
    const double cM = 0.1734 - 0.000393 * T;
    const double dayBase = 29 * k + 693595;
    const double M0 = angle(0.08084821133, 359.2242 / R, 0.0000333 / R, 0.00000347 / R);
    const double Mp0 = angle(0.07171366128, 306.0253 / R, -0.0107306 / R, -0.00001236 / R);
    const double F0 = angle(0.08519585128, 21.2964 / R, 0.0016528 / R, 0.00000239 / R);

    double result = -1;
    for (int w = -1; w <= 13; ++w) {
        const double M = M0 + 0.507984293 * w;
        const double Mp = Mp0 + 6.73377553 * w;
        const double F = F0 + 6.818486628 * w;
        double t = cM * std::sin(M);
        t += base + 1.53058868 * w;
        t -= 0.4068 * std::sin(Mp);
        t += 0.0021 * std::sin(2 * M);
        t += 0.0161 * std::sin(2 * Mp);
        t += 0.0104 * std::sin(2 * F);
        t -= 0.0074 * std::sin(M - Mp);
        t -= 0.0051 * std::sin(M + Mp);
        const double newMoonDay = std::floor(dayBase + 28 * w + t);
        const double age = fixedDay - newMoonDay;
        if (age >= 0 && age <= 29)
            result = age + 1;
    }
    for (const DayCorrection &c : kDayCorrections) {
        if (fixedDay >= fixedDayNumber(c.fromYear, c.fromMonth, c.fromDay)
            && fixedDay <= fixedDayNumber(c.toYear, c.toMonth, c.toDay)) {
            result += c.delta;
            if (result > 30)
                result -= 30;
            else if (result < 1)
                result += 30;
        }
    }
    return result;
}

// The month of a date whose lunar day is e. The epoch's era adjustments all lie before the
// years the leap-month table holds, so none applies here.
int lunarMonthOf(int year, int month, int day, double e)
{
    constexpr int kEpochFixedDay = -310443; // -849-01-21
    const double x = std::nearbyint((fixedDayNumber(year, month, day) - kEpochFixedDay - e) / 29.530588)
                     - leapMonthsThrough(year);
    int v = int(std::nearbyint(12 * frac((x - 3) / 12) + 1));
    if (leapMonthOf(year - 1) == v && month == 1 && day < e)
        return -v;
    const int leap = leapMonthOf(year);
    if (leap == v)
        return month <= 2 && leap != 12 ? v + 1 : -v;
    if (leap > v || (month < v && leap > 0))
        ++v;
    return int(std::nearbyint(12 * frac((v - 1) / 12.0) + 1));
}

} // namespace

int leapMonthOf(int year)
{
    if (year < kFirstTableYear || year > kLastTableYear)
        return -1;
    const char c = kLeapMonths[year - kFirstTableYear];
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

int leapMonthsThrough(int year)
{
    if (year < kFirstTableYear || year > kLastTableYear)
        return -1;
    return kLeapCounts.through[year - kFirstTableYear];
}

double lunarDayOf(int year, int month, int day)
{
    return lunarDayOf(year, fixedDayNumber(year, month, day));
}

int lunarMonthOf(int year, int month, int day)
{
    return lunarMonthOf(year, month, day, lunarDayOf(year, month, day));
}

bool solarToLunar(int year, int month, int day, LunarDate *out)
{
    if (year < kFirstLunarYear || year > kLastTableYear)
        return false;
    const double e = lunarDayOf(year, month, day);
    const int m = lunarMonthOf(year, month, day, e);
    out->day = int(std::floor(e));
    out->isLeap = m < 0;
    out->month = std::abs(m);
    // January to May dates can still lie in the seventh to twelfth month of the lunar year before.
    out->year = out->month > 6 && month < 6 ? year - 1 : year;
    return true;
}

QString lunarDayName(int day)
{
    static const QString tens[] = {QStringLiteral("初"), QStringLiteral("十"), QStringLiteral("廿"),
                                   QStringLiteral("卅"), QStringLiteral("二"), QStringLiteral("三")};
    static const QString units[] = {QString(), QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                    QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"),
                                    QStringLiteral("七"), QStringLiteral("八"), QStringLiteral("九"),
                                    QStringLiteral("十")};
    if (day < 1 || day > 30)
        return {};
    int t = day / 10;
    int u = day % 10;
    if (u == 0) {
        u = 10;
        t = day == 10 ? 0 : day == 20 ? 4 : 5;
    }
    return tens[t] + units[u];
}

QString lunarBirthText(int year, int month, int day, int hour)
{
    static const char *const months[12] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
    if (!isValidDate(year, month, day) || hour < 0 || hour > 23)
        return {};
    if (hour == 23) {
        const CivilDate next = nextCivilDay(year, month, day);
        year = next.year;
        month = next.month;
        day = next.day;
    }
    LunarDate lunar;
    if (!solarToLunar(year, month, day, &lunar))
        return {};
    const GanZhi cycle = yearCycleIndex(lunar.year);
    return QStringLiteral("农历%1年（%2年）%3%4月%5 %6时")
        .arg(cycleName(cycle), kZodiacAnimals.at(cycle % 12), lunar.isLeap ? QStringLiteral("闰") : QString(),
             QString::fromUtf8(months[lunar.month - 1]), lunarDayName(lunar.day), kBranches.at((hour + 1) / 2 % 12));
}

} // namespace qiming::calendar
