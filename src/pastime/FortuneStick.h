#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "common/RandomGenerator.h"

namespace quillan::pastime {

// One stick of the 求签 custom (data/sticks/sticks.tsv): its number, grade, verse and explanation.
struct FortuneStick {
  int number = 0;
  std::string grade;
  std::string title;
  std::string text;
};

// The sticks, numbered 1, 2, … in order; refused when fewer than kFewestSticks.
std::variant<std::vector<FortuneStick>, std::string> readFortuneSticks(const std::filesystem::path& file);
inline constexpr std::size_t kFewestSticks = 60;

// One stick falls out of the tube. The caller seeds the generator from the clock, so nothing the
// user enters or does can choose the stick.
const FortuneStick& drawStick(const std::vector<FortuneStick>& sticks, common::RandomGenerator& generator);

}  // namespace quillan::pastime
