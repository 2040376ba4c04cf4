#include "folk/Hours.h"

#include <cstdio>

#include "bazi/Elements.h"

namespace quillan::folk {

int branchOfHour(int hour) { return ((hour + 1) / 2) % 12; }

std::string_view branchWord(int branch) {
  return branch < 0 || branch > 11 ? std::string_view{} : bazi::branchName(branch);
}

std::string hourSpanText(int branch) {
  if (branch < 0 || branch > 11) {
    return {};
  }
  char span[32];
  std::snprintf(span, sizeof span, "（%02d:00–%02d:00）", (branch * 2 + 23) % 24, (branch * 2 + 1) % 24);
  return std::string(branchWord(branch)) + "时" + span;
}

int branchOfWord(std::string_view word) {
  for (int branch = 0; branch < 12; ++branch) {
    if (bazi::branchName(branch) == word) {
      return branch;
    }
  }
  return -1;
}

}  // namespace quillan::folk
