// What a printed almanac says of a day from its pillar: the animal and day it clashes with
// and the direction of 煞.
#pragma once

#include "calendar/Sexagenary.h"

#include <QString>

namespace qiming::calendar {

// 鼠 牛 虎 … 猪, by branch: 子 is 鼠.
inline const QString kZodiacAnimals = QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪");

// The animal of a branch 0 to 11; empty outside.
QString zodiacAnimal(int branch);
// The day a day clashes with: its branch opposite (six apart) and the stem almanacs print with
// it (four on), so 庚辰 clashes with 甲戌. -1 outside 0 to 59.
GanZhi clashingDay(GanZhi day);
// 煞 lies opposite the 三合 group of the day's branch: 申子辰 南, 巳酉丑 东, 寅午戌 北,
// 亥卯未 西. Empty outside 0 to 59.
QString shaDirection(GanZhi day);

} // namespace qiming::calendar
