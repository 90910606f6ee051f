// Where the Sun stands, for the moments of the solar terms.
#pragma once

namespace qiming::calendar {

// The Sun's apparent geocentric ecliptic longitude, radians in [0, 2π), at a Julian day in
// Terrestrial Time.
double apparentSolarLongitude(double jde);
// Its rate in radians a day, near enough to step towards a given longitude.
double sunLongitudeRate(double jde);
// TT - UT in seconds at a decimal year.
double deltaTSeconds(double year);

} // namespace qiming::calendar
