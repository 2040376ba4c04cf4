#include "bazi/Elements.h"

namespace quillan::bazi {
namespace {

constexpr std::array<std::string_view, 5> kElementNames{"木", "火", "土", "金", "水"};
constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};
// Main qi: 子 水, 丑 土, 寅卯 木, 辰 土, 巳午 火, 未 土, 申酉 金, 戌 土, 亥 水.
constexpr std::array<Element, 12> kBranchElements{Element::Water, Element::Earth, Element::Wood,  Element::Wood,
                                                  Element::Earth, Element::Fire,  Element::Fire,  Element::Earth,
                                                  Element::Metal, Element::Metal, Element::Earth, Element::Water};
constexpr std::array<std::string_view, 10> kTenGodNames{"比肩", "劫财", "食神", "伤官", "偏财",
                                                        "正财", "七杀", "正官", "偏印", "正印"};

Element shifted(Element element, int steps) {
  return static_cast<Element>((static_cast<int>(element) + steps + 5) % 5);
}

}  // namespace

std::string_view elementName(Element element) { return kElementNames[static_cast<std::size_t>(element)]; }

bool elementOfName(std::string_view name, Element& element) {
  for (Element candidate : kElements) {
    if (elementName(candidate) == name) {
      element = candidate;
      return true;
    }
  }
  return false;
}

Element generatedBy(Element element) { return shifted(element, -1); }
Element generates(Element element) { return shifted(element, 1); }
Element controlledBy(Element element) { return shifted(element, -2); }
Element controls(Element element) { return shifted(element, 2); }

std::string_view stemName(int stem) { return kStems.at(static_cast<std::size_t>(stem)); }
std::string_view branchName(int branch) { return kBranches.at(static_cast<std::size_t>(branch)); }
Element stemElement(int stem) { return static_cast<Element>(stem / 2); }
Polarity stemPolarity(int stem) { return stem % 2 == 0 ? Polarity::Yang : Polarity::Yin; }
Element branchElement(int branch) { return kBranchElements.at(static_cast<std::size_t>(branch)); }
Polarity branchPolarity(int branch) { return branch % 2 == 0 ? Polarity::Yang : Polarity::Yin; }

TenGod tenGodOf(int dayStem, int stem) {
  const Element self = stemElement(dayStem);
  const Element other = stemElement(stem);
  const bool same = stemPolarity(dayStem) == stemPolarity(stem);
  int group = 0;  // 比劫, 食伤, 财, 官杀, 印
  if (other == generates(self)) {
    group = 1;
  } else if (other == controls(self)) {
    group = 2;
  } else if (other == controlledBy(self)) {
    group = 3;
  } else if (other == generatedBy(self)) {
    group = 4;
  }
  return static_cast<TenGod>(group * 2 + (same ? 0 : 1));
}

std::string_view tenGodName(TenGod god) { return kTenGodNames[static_cast<std::size_t>(god)]; }

}  // namespace quillan::bazi
