#pragma once

#include <string>
#include <string_view>

namespace quillan::folk {

// The twelve 时辰, each named by its branch 0 (子) … 11 (亥): 子 is 23:00–01:00, 丑 01:00–03:00 …
int branchOfHour(int hour);               // 0-23; 23 and 0 both give 子
std::string_view branchWord(int branch);  // "子" …; empty outside 0-11
std::string hourSpanText(int branch);     // "子时（23:00–01:00）"
int branchOfWord(std::string_view word);  // "子" → 0; -1 for anything else

}  // namespace quillan::folk
