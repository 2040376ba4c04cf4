#pragma once

#include <string>

namespace quillan::chars {

// A Kangxi radical (1-214) as a simplified text names it: 水 (not 氵), 艹 for 艸, 贝 for 貝, 钅 for
// 金; empty for any other number.
std::string radicalName(int radical);

}  // namespace quillan::chars
