#pragma once

#include <string>
#include <string_view>

namespace quillan::calendar {

// The sexagenary cycle: the ten heavenly stems 甲…癸 and the twelve earthly branches 子…亥 paired
// in step, sixty pairs numbered 1 (甲子) to 60 (癸亥).

// The name of pair i, 1 ≤ i ≤ 60 ("甲子" at 1, "乙丑" at 2, "癸亥" at 60); empty outside 1–60.
std::string sexagenaryName(int i);

// The number 1–60 of a pair's name; 0 for any other text.
int sexagenaryNumber(std::string_view name);

// The Nayin phrase (纳音) of a pair, shared by the two pairs 2k−1 and 2k ("甲子" and "乙丑" give
// "海中金"); empty for a text that is not a pair.
std::string nayinOf(std::string_view name);

// The zodiac animal of a branch 0 (子, "鼠") … 11 (亥, "猪"); empty outside.
std::string zodiacOfBranch(int branch);

}  // namespace quillan::calendar
