#include "pastime/ZodiacPair.h"

#include <algorithm>

#include "pastime/TsvRows.h"

namespace quillan::pastime {

namespace {

int animalIndex(const std::string& name) {
  const auto it = std::find(kZodiacAnimals.begin(), kZodiacAnimals.end(), name);
  return it == kZodiacAnimals.end() ? -1 : static_cast<int>(it - kZodiacAnimals.begin());
}

std::size_t slot(int a, int b) { return static_cast<std::size_t>(std::min(a, b) * 12 + std::max(a, b)); }

}  // namespace

std::variant<std::vector<ZodiacPair>, std::string> readZodiacPairs(const std::filesystem::path& file) {
  auto rows = readTsvRows(file, {"a", "b", "relation", "text"});
  if (auto* failure = std::get_if<std::string>(&rows)) {
    return *failure;
  }
  std::vector<ZodiacPair> pairs;
  std::array<bool, 144> seen{};
  for (auto& row : std::get<0>(rows)) {
    const int a = animalIndex(row[0]);
    const int b = animalIndex(row[1]);
    if (a < 0 || b < 0 || a > b || seen[slot(a, b)]) {
      return file.string() + ": " + row[0] + row[1] + " is no new pair of animals in order";
    }
    seen[slot(a, b)] = true;
    pairs.push_back({a, b, row[2], row[3]});
  }
  if (pairs.size() != 78) {
    return file.string() + ": not every pair of animals is there";
  }
  std::sort(pairs.begin(), pairs.end(),
            [](const ZodiacPair& x, const ZodiacPair& y) { return slot(x.first, x.second) < slot(y.first, y.second); });
  return pairs;
}

const ZodiacPair& pairOf(const std::vector<ZodiacPair>& pairs, int a, int b) {
  const auto it = std::find_if(pairs.begin(), pairs.end(), [&](const ZodiacPair& pair) {
    return pair.first == std::min(a, b) && pair.second == std::max(a, b);
  });
  return *it;  // readZodiacPairs guarantees every pair
}

int animalOfYear(int year) { return ((year - 1900) % 12 + 12) % 12; }

std::string relationText(const ZodiacPair& pair) {
  return pair.relation == "none" ? std::string("无特别的合冲刑害") : pair.relation;
}

}  // namespace quillan::pastime
