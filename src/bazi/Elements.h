#pragma once

#include <array>
#include <string_view>

namespace quillan::bazi {

// The five elements in the order of generation: each generates the next (木生火 … 水生木) and
// controls the one after next (木克土 …).
enum class Element { Wood, Fire, Earth, Metal, Water };

inline constexpr std::array<Element, 5> kElements{Element::Wood, Element::Fire, Element::Earth, Element::Metal,
                                                  Element::Water};

std::string_view elementName(Element element);  // "木" …
// The element of "木" … "水"; false when the text is none of them.
bool elementOfName(std::string_view name, Element& element);

Element generatedBy(Element element);   // the one that generates it (火 for 土)
Element generates(Element element);     // the one it generates (金 for 土)
Element controlledBy(Element element);  // the one that controls it (木 for 土)
Element controls(Element element);      // the one it controls (水 for 土)

enum class Polarity { Yang, Yin };

// Heavenly stems 0 (甲) … 9 (癸) and earthly branches 0 (子) … 11 (亥).
std::string_view stemName(int stem);
std::string_view branchName(int branch);
Element stemElement(int stem);
Polarity stemPolarity(int stem);
Element branchElement(int branch);  // by its main qi
Polarity branchPolarity(int branch);

// 十神 of a stem seen from the day stem. Same polarity: 比肩, 食神, 偏财, 七杀, 偏印; the other:
// 劫财, 伤官, 正财, 正官, 正印.
enum class TenGod {
  Companion,
  RobWealth,
  EatingGod,
  HurtingOfficer,
  IndirectWealth,
  DirectWealth,
  SevenKillings,
  DirectOfficer,
  IndirectResource,
  DirectResource
};
TenGod tenGodOf(int dayStem, int stem);
std::string_view tenGodName(TenGod god);

}  // namespace quillan::bazi
