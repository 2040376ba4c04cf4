#pragma once

#include <string>

namespace quillan::common {

// A number as the program shows scores: at most 13 significant digits, no trailing zeros
// (printf "%.13g"): 100, 96.5, 68.8.
std::string formatScore(double value);

}  // namespace quillan::common
