#pragma once

namespace quillan::calendar {

// The JDE at which the Sun's apparent longitude reaches 285° + 15° × index in the given
// Gregorian year: index 0 is 小寒 in early January, 23 is 冬至 in late December.
double solarTermJde(int year, int index);

}  // namespace quillan::calendar
