// The Western star sign (星座) of a birthday.
#pragma once

#include <QString>

namespace qiming::calendar {

// 0 白羊座 … 11 双鱼座; -1 when nothing matches.
int starSignOf(int month, int day);
// Empty outside 0 to 11.
QString starSignName(int index);

} // namespace qiming::calendar
