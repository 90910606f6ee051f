#include "CalendarFixtures.h"

#include "data/Tsv.h"

#include <QDateTime>
#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace qiming::test {

namespace {

QString dir()
{
    return QStringLiteral(QIMING_TEST_FIXTURES "/calendar/");
}

data::TsvTable load(const QString &name)
{
    data::TsvTable table;
    QString error;
    if (!data::readTsv(dir() + name, &table, &error))
        throw std::runtime_error(error.toStdString());
    return table;
}

QString text(const data::TsvTable &t, size_t row, int column)
{
    return t.rows.at(row).at(column).toString();
}

Moment parseMoment(const QString &s)
{
    const QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        throw std::runtime_error("bad moment " + s.toStdString());
    return {dt.date(), dt.time().msecsSinceStartOfDay() / 1000};
}

CalendarFixtures read()
{
    CalendarFixtures f;
    const data::TsvTable months = load(QStringLiteral("lunar-months.tsv"));
    for (size_t r = 0; r < months.rows.size(); ++r) {
        f.months.push_back({QDate::fromString(text(months, r, 0), Qt::ISODate).toJulianDay(), text(months, r, 1).toInt(),
                            text(months, r, 2).toInt(), text(months, r, 3) == QLatin1String("1")});
    }
    const data::TsvTable terms = load(QStringLiteral("solar-terms.tsv"));
    for (size_t r = 0; r < terms.rows.size(); ++r) {
        f.terms.push_back({parseMoment(text(terms, r, 0)), text(terms, r, 1).toInt(), text(terms, r, 2),
                           text(terms, r, 3)});
    }
    const data::TsvTable days = load(QStringLiteral("day-pillars.tsv"));
    for (size_t r = 0; r < days.rows.size(); ++r)
        f.januaryFirstDayPillars.push_back(text(days, r, 1));
    const data::TsvTable hours = load(QStringLiteral("hour-pillars.tsv"));
    const QString stems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
    for (size_t r = 0; r < hours.rows.size(); ++r) {
        const qsizetype stem = stems.indexOf(text(hours, r, 0));
        for (int h = 0; h < 24 && stem >= 0; ++h)
            f.hourPillars[stem][h] = text(hours, r, h + 1);
    }
    return f;
}

} // namespace

const CalendarFixtures &calendarFixtures()
{
    static const CalendarFixtures fixtures = read();
    return fixtures;
}

} // namespace qiming::test
