#pragma once

#include <string>

namespace quillan::growth {

// A z-score as shown: two decimals ("-0.02", "1.21"), never "-0.00".
std::string zScoreText(double z);

// A percentile as shown: one decimal ("49.4"); beyond the printable range "<0.1" and ">99.9", since
// "0.0" and "100.0" would say no child lies beyond.
std::string percentileText(double percentile);

}  // namespace quillan::growth
