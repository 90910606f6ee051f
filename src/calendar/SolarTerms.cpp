#include "calendar/SolarTerms.h"

#include "calendar/CivilCalendar.h"
#include "calendar/SunPosition.h"

#include <cmath>
#include <numbers>

namespace qiming::calendar {

namespace {

constexpr double kFixedDayToJulianDay = 1721424.5; // at midnight
constexpr double kBeijingOffset = 8.0 / 24;
constexpr double kJ2000 = 2451545.0;

// The formulas count years astronomically: year 0 is 1 BC.
int astronomicalYear(int year)
{
    return year <= 0 ? year + 1 : year;
}

} // namespace

double estimatedTermMoment(int year, int n)
{
    const int y = astronomicalYear(year);
    const double u = y - 100;
    const double a = (365.2423112 - 0.000000000000064 * u * u - 0.00000003047 * u) * y + 15.218427 * n + 1721050.71301;
    const double theta = 0.0003 * y - 0.372781384 - 0.2617913325 * n;
    const double b = (1.945 * std::sin(theta) - 0.01206 * std::sin(2 * theta)) * (1.048994 - 0.00002583 * y);
    const double c = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * n);
    return a + b + c - fixedDayNumber(y, 1, 0) - 1721425;
}

double solarTermMoment(int year, int n)
{
    // Term 1 (小寒) is at 285°, each next one 15° further.
    const double turn = 2 * std::numbers::pi;
    const double target = std::fmod((285.0 + 15.0 * (n - 1)) / 360.0, 1.0) * turn;
    const double january0 = fixedDayNumber(astronomicalYear(year), 1, 0);
    // Newton's steps from the estimate; each cuts the error some thirty-fold.
    double jd = estimatedTermMoment(year, n) + january0 + kFixedDayToJulianDay - kBeijingOffset;
    for (int i = 0; i < 5; ++i) {
        const double jde = jd + deltaTSeconds(2000 + (jd - kJ2000) / 365.25) / 86400;
        double gap = std::remainder(target - apparentSolarLongitude(jde), turn);
        const double step = gap / sunLongitudeRate(jde);
        jd += step;
        if (std::abs(step) < 1e-7)
            break;
    }
    return jd + kBeijingOffset - kFixedDayToJulianDay - january0;
}

} // namespace qiming::calendar
