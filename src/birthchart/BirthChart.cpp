#include "birthchart/BirthChart.h"

#include "calendar/CivilCalendar.h"
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"
#include "calendar/StarSign.h"
#include "data/RowSet.h"
#include "data/SharedDatabase.h"

#include <QDate>

#include <cmath>

namespace qiming::birthchart {

namespace {

const QString kElementOrder = QStringLiteral("金木水火土");

QString lunarBirthdayText(const calendar::LunarDate &lunar, calendar::GanZhi hourPillar)
{
    static const QString months[12] = {
        QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
        QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"), QStringLiteral("八"),
        QStringLiteral("九"), QStringLiteral("十"), QStringLiteral("十一"), QStringLiteral("十二"),
    };
    // Labelled with the lunar year's own name: between 立春 and the lunar new year the year
    // pillar already names the next one.
    return calendar::cycleName(calendar::yearCycleIndex(lunar.year))
           + (lunar.isLeap ? QStringLiteral("年 闰") : QStringLiteral("年")) + months[lunar.month - 1]
           + QStringLiteral("月") + calendar::lunarDayName(lunar.day) + QStringLiteral("日")
           + calendar::kBranches.at(hourPillar % 12) + QStringLiteral("时");
}

} // namespace

QString BirthChart::missingElementsText() const
{
    if (missingElements.isEmpty())
        return QStringLiteral("五行不缺");
    QString text = QStringLiteral("五行缺 ");
    for (const QString &e : missingElements)
        text += e + QStringLiteral("  ");
    return text;
}

QString elementOfCycleCharacter(QChar c)
{
    static const QString groups[5] = {QStringLiteral("庚辛申酉"), QStringLiteral("甲乙寅卯"),
                                      QStringLiteral("壬癸子亥"), QStringLiteral("丙丁巳午"),
                                      QStringLiteral("戊己丑辰未戌")};
    for (int i = 0; i < 5; ++i) {
        if (groups[i].contains(c))
            return kElementOrder.at(i);
    }
    return {};
}

BirthChart computeCalendarChart(int year, int month, int day, int hour, int minute)
{
    calendar::checkDate(year, month, day);
    const calendar::GanZhi pillars[4] = {
        calendar::yearPillar(year, month, day, hour, minute),
        calendar::monthPillar(year, month, day, hour, minute),
        calendar::dayPillar(year, month, day, hour),
        calendar::hourPillar(year, month, day, hour),
    };
    BirthChart chart;
    QString allElements;
    for (int i = 0; i < 4; ++i) {
        chart.pillars[i] = calendar::cycleName(pillars[i]);
        for (const QChar c : chart.pillars[i])
            chart.elements[i] += elementOfCycleCharacter(c);
        allElements += chart.elements[i];
    }
    for (const QChar e : kElementOrder) {
        if (!allElements.contains(e))
            chart.missingElements.append(e);
    }

    const calendar::CivilDate lunarDay =
        hour == 23 ? calendar::nextCivilDay(year, month, day) : calendar::CivilDate{year, month, day};
    calendar::LunarDate lunar;
    if (calendar::solarToLunar(lunarDay.year, lunarDay.month, lunarDay.day, &lunar))
        chart.lunarBirthday = lunarBirthdayText(lunar, pillars[3]);

    static const QString weekdays[7] = {QStringLiteral("星期天"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                                        QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                                        QStringLiteral("星期六")};
    chart.weekday = weekdays[calendar::weekdayOf(year, month, day)];
    chart.starSign = calendar::starSignName(calendar::starSignOf(month, day));
    static const QString animals = QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪");
    chart.zodiac = animals.at(pillars[0] % 12);
    return chart;
}

BirthChart computeBirthChart(int year, int month, int day, int hour, int minute)
{
    return computeBirthChart(data::sharedDatabase(), year, month, day, hour, minute);
}

BirthChart computeBirthChart(data::Database &db, int year, int month, int day, int hour, int minute)
{
    BirthChart chart = computeCalendarChart(year, month, day, hour, minute);
    for (int i = 0; i < 4; ++i) {
        const data::RowSet rows =
            data::RowSet::load(db, QStringLiteral("select * from 纳音 where jiazi = ?"), {chart.pillars[i]});
        chart.nayin[i] = rows.isEmpty() ? QString() : rows.value(0, QStringLiteral("nayin"));
    }
    return chart;
}

std::optional<NearbyMonthTerm> nearbyMonthTerm(int year, int month, int day, int hour, int minute, int withinMinutes)
{
    static const char *const names[12] = {"小寒", "立春", "惊蛰", "清明", "立夏", "芒种",
                                          "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};
    const QDate birth(year, month, day);
    if (!birth.isValid())
        return std::nullopt;
    const QDate newYear(year, 1, 1);
    const double birthMinute = double(newYear.daysTo(birth) + 1) * 1440 + hour * 60 + minute;
    for (int i = 0; i < 12; ++i) {
        // Within a civil year the 节 are the odd terms; the moments are fractional days of the year.
        const double moment = calendar::solarTermMoment(year, 2 * i + 1) * 1440;
        const double termMinute = std::floor(moment + 0.5);
        if (std::abs(birthMinute - termMinute) > withinMinutes)
            continue;
        const qint64 whole = qint64(termMinute);
        const QDate date = newYear.addDays(whole / 1440 - 1);
        NearbyMonthTerm t;
        t.name = QString::fromUtf8(names[i]);
        t.month = date.month();
        t.day = date.day();
        t.hour = int(whole % 1440) / 60;
        t.minute = int(whole % 1440) % 60;
        t.minutesAway = int(birthMinute - termMinute);
        return t;
    }
    return std::nullopt;
}

} // namespace qiming::birthchart
