// The 24 solar terms. Within a civil year they are numbered 1 小寒, 2 大寒, 3 立春 … 24 冬至,
// and 25 is the next year's 小寒; the odd numbers are the 节 that open the months of the cycle.
#pragma once

namespace qiming::calendar {

// The moment of term n (1 to 25) of a civil year as a fractional day of that year in Beijing
// time (UTC+8): the integer part is the day of the year (January 1 is 1), the fraction the
// time of day. From the Sun's apparent longitude: within 15 s of the established astronomical
// calendars over 1900-2100 (4 s on average); later years depend on the predicted delta T.
double solarTermMoment(int year, int n);
// A closed formula within half an hour of solarTermMoment over 1900-2100: enough to tell which
// side of a term a moment lies when it is not close to it.
double estimatedTermMoment(int year, int n);

} // namespace qiming::calendar
