#include "tools/WeddingDays.h"

#include "calendar/CivilCalendar.h"
#include "calendar/DayAlmanac.h"

#include <QDate>

namespace qiming::tools {

namespace {

// Generated at build time from the almanac of lunar-javascript (data/almanac/wedding-rules.js).
const char *const kWeddingRules[12] = {
#include "WeddingRules.inc"
};

int lunarMonthDays(const QDate &date, int lunarDay)
{
    // Day 30 exists in a long month only; a short one has begun the next month by then.
    const QDate probe = date.addDays(30 - lunarDay);
    return int(calendar::lunarDayOf(probe.year(), probe.month(), probe.day())) == 30 ? 30 : 29;
}

} // namespace

bool isWeddingDay(int monthBranch, calendar::GanZhi day)
{
    if (monthBranch < 0 || monthBranch > 11 || day < 0 || day > 59)
        return false;
    return kWeddingRules[monthBranch][day] == '1';
}

std::vector<WeddingDay> weddingDays(int year)
{
    std::vector<WeddingDay> out;
    if (year < kFirstComputableYear || year > kLastComputableYear)
        return out;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const int y = date.year();
        const int m = date.month();
        const int d = date.day();
        // The month in force at the end of the day: the day of a 节 belongs to its new month.
        const int monthBranch = calendar::monthPillar(y, m, d, 23, 59) % 12;
        const calendar::GanZhi pillar = calendar::dayPillar(y, m, d, 0);
        if (!isWeddingDay(monthBranch, pillar))
            continue;
        WeddingDay w;
        w.year = y;
        w.month = m;
        w.day = d;
        calendar::solarToLunar(y, m, d, &w.lunar);
        w.lunarMonthDays = lunarMonthDays(date, w.lunar.day);
        w.weekday = calendar::weekdayOf(y, m, d);
        w.dayPillar = pillar;
        w.clash = calendar::clashingDay(pillar);
        w.sha = calendar::shaDirection(pillar);
        out.push_back(w);
    }
    return out;
}

QString weddingDayLine(const WeddingDay &day)
{
    static const QString weekdays = QStringLiteral("日一二三四五六");
    const QString lunarMonth = (day.lunar.isLeap ? QStringLiteral("闰") : QString()) + QString::number(day.lunar.month);
    return QStringLiteral("%1年%2月%3日 农历%4月(%5)%6日 星期%7  冲%8(%9)煞%10")
        .arg(day.year, 4, 10, QLatin1Char('0'))
        .arg(day.month, 2, 10, QLatin1Char('0'))
        .arg(day.day, 2, 10, QLatin1Char('0'))
        .arg(lunarMonth, day.lunarMonthDays == 30 ? QStringLiteral("大") : QStringLiteral("小"))
        .arg(day.lunar.day)
        .arg(weekdays.at(day.weekday))
        .arg(calendar::zodiacAnimal(day.clash % 12), calendar::cycleName(day.clash), day.sha);
}

QStringList weddingDayLines(int year)
{
    QStringList lines{QStringLiteral("%1年结婚黄道吉日表").arg(year), QString()};
    for (const WeddingDay &d : weddingDays(year))
        lines << weddingDayLine(d);
    return lines;
}

QString weddingDayText(int year)
{
    return weddingDayLines(year).join(QLatin1Char('\n'));
}

} // namespace qiming::tools
