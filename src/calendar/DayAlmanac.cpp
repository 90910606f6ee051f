#include "calendar/DayAlmanac.h"

namespace qiming::calendar {

QString zodiacAnimal(int branch)
{
    if (branch < 0 || branch > 11)
        return {};
    return kZodiacAnimals.at(branch);
}

GanZhi clashingDay(GanZhi day)
{
    int stem = 0;
    int branch = 0;
    if (!splitCycle(day, &stem, &branch))
        return -1;
    return cycleIndexOf((stem + 4) % 10, (branch + 6) % 12);
}

QString shaDirection(GanZhi day)
{
    int stem = 0;
    int branch = 0;
    if (!splitCycle(day, &stem, &branch))
        return {};
    static const QString directions = QStringLiteral("南东北西");
    return directions.at(branch % 4);
}

} // namespace qiming::calendar
