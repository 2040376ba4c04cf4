#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillan::pastime {

// The twelve animals in the order of the earthly branches 子 丑 寅 … 亥.
inline constexpr std::array<std::string_view, 12> kZodiacAnimals{"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                                 "马", "羊", "猴", "鸡", "狗", "猪"};
inline constexpr std::array<std::string_view, 12> kEarthlyBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                                   "午", "未", "申", "酉", "戌", "亥"};

// The customary reading of two animals (data/signs/zodiac-pairs.tsv): relation "六合", "三合",
// "相冲", "相害", "相刑", several joined with "、", or "none".
struct ZodiacPair {
  int first = 0;  // indexes into kZodiacAnimals, first <= second
  int second = 0;
  std::string relation;
  std::string text;
};

// All 78 unordered pairs, each exactly once; refused otherwise.
std::variant<std::vector<ZodiacPair>, std::string> readZodiacPairs(const std::filesystem::path& file);

// The pair of two animals in either order.
const ZodiacPair& pairOf(const std::vector<ZodiacPair>& pairs, int a, int b);

// The animal of a Gregorian year's zodiac year (1900 was 鼠年, 1900 = 子). The zodiac year begins at
// the Spring Festival, so a birthday in January or early February may belong to the year before.
int animalOfYear(int year);

// "六合" or "无特别的合冲刑害" for "none".
std::string relationText(const ZodiacPair& pair);

}  // namespace quillan::pastime
