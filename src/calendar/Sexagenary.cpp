#include "calendar/Sexagenary.h"

#include <array>

namespace quillan::calendar {

namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kZodiac = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                      "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 30> kNayin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

}  // namespace

std::string sexagenaryName(int i) {
  if (i < 1 || i > 60) {
    return {};
  }
  std::string name{kStems[(i - 1) % 10]};
  name += kBranches[(i - 1) % 12];
  return name;
}

int sexagenaryNumber(std::string_view name) {
  // Each stem and branch is one three-byte character; the pair is the number whose stem and branch
  // they are, which exists when both have the same parity.
  if (name.size() != 6) {
    return 0;
  }
  const auto indexIn = [](const auto& names, std::string_view character) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] == character) {
        return static_cast<int>(i);
      }
    }
    return -1;
  };
  const int stem = indexIn(kStems, name.substr(0, 3));
  const int branch = indexIn(kBranches, name.substr(3));
  if (stem < 0 || branch < 0 || (stem - branch) % 2 != 0) {
    return 0;
  }
  return (6 * stem - 5 * branch + 60) % 60 + 1;
}

std::string nayinOf(std::string_view name) {
  const int i = sexagenaryNumber(name);
  return i == 0 ? std::string{} : std::string{kNayin[(i - 1) / 2]};
}

std::string zodiacOfBranch(int branch) {
  return branch < 0 || branch > 11 ? std::string{} : std::string{kZodiac[branch]};
}

}  // namespace quillan::calendar
