// The fixed texts of the fun tools: the festivals by month and the zodiac year table.
#pragma once

#include <QString>
#include <QStringList>

namespace qiming::tools {

// "节日大全": the Gregorian festivals by month, then the lunar ones by lunar month; each festival
// is its name and the date in brackets, [MM/DD] or [农历…].
QStringList festivalLines();
QString festivalText();

// "生肖纪年对照表": the twelve animals, the twelve branches beneath them, then the years 1900 to
// 2103 twelve to a line, each under its animal; cells are separated by tabs.
inline constexpr int kFirstZodiacYear = 1900;
inline constexpr int kLastZodiacYear = 2103;
QStringList zodiacYearLines();
QString zodiacYearText();

} // namespace qiming::tools
