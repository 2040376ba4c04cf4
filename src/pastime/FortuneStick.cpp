#include "pastime/FortuneStick.h"

#include "common/TextNumbers.h"
#include "pastime/TsvRows.h"

namespace quillan::pastime {

std::variant<std::vector<FortuneStick>, std::string> readFortuneSticks(const std::filesystem::path& file) {
  auto rows = readTsvRows(file, {"number", "grade", "title", "text"});
  if (auto* failure = std::get_if<std::string>(&rows)) {
    return *failure;
  }
  std::vector<FortuneStick> sticks;
  for (auto& row : std::get<0>(rows)) {
    const int number = common::textToInt(row[0]);
    if (number != static_cast<int>(sticks.size()) + 1 || std::to_string(number) != row[0]) {
      return file.string() + ": stick " + row[0] + " is out of order";
    }
    if (row[1] != "上上" && row[1] != "上" && row[1] != "中" && row[1] != "下") {
      return file.string() + ": stick " + row[0] + " has no grade 上上, 上, 中 or 下";
    }
    sticks.push_back({number, row[1], row[2], row[3]});
  }
  if (sticks.size() < kFewestSticks) {
    return file.string() + ": fewer than " + std::to_string(kFewestSticks) + " sticks";
  }
  return sticks;
}

const FortuneStick& drawStick(const std::vector<FortuneStick>& sticks, common::RandomGenerator& generator) {
  // draw() gives 15 bits; two of them make the remainder's bias negligible for any tube.
  const auto wide = static_cast<std::uint32_t>(generator.draw()) << 15 | static_cast<std::uint32_t>(generator.draw());
  return sticks[wide % sticks.size()];
}

}  // namespace quillan::pastime
