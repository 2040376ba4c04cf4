#include "folk/NameMatch.h"

#include <algorithm>

#include "chars/CharDetails.h"
#include "scoring/Element.h"

namespace quillan::folk {
namespace {

// The grids' elements are read as the chart's: both count 木火土金水 in the same order.
static_assert(static_cast<int>(scoring::Element::Water) == static_cast<int>(bazi::Element::Water));

bool disfavoured(const bazi::BirthChart& chart, bazi::Element element) {
  const bazi::Element day = chart.dayElement();
  if (chart.strong) {
    return element == day || element == bazi::generatedBy(day);
  }
  return element == bazi::generates(day) || element == bazi::controls(day) || element == bazi::controlledBy(day);
}

// What an element is to the day stem, in the words of the ten gods' families.
std::string relationToDay(const bazi::BirthChart& chart, bazi::Element element) {
  const bazi::Element day = chart.dayElement();
  if (element == day) {
    return "与日主同气（比劫）";
  }
  if (element == bazi::generatedBy(day)) {
    return "生扶日主（印）";
  }
  if (element == bazi::generates(day)) {
    return "泄日主之气（食伤）";
  }
  if (element == bazi::controls(day)) {
    return "耗日主之力（财）";
  }
  return "克制日主（官杀）";
}

// `basis` says how the element was found ("按字义", "数理"); a line not counted says why not.
MatchLine judge(const bazi::BirthChart& chart, std::string label, const std::string& basis, bazi::Element element,
                bool counted, const char* uncounted) {
  const std::string name(bazi::elementName(element));
  MatchLine line{std::move(label), name, Effect::Neutral, counted,
                 basis + "属" + name + "，" + relationToDay(chart, element)};
  if (element == chart.yongshen) {
    line.effect = Effect::Helps;
    line.reason += "，补用神" + name;
  } else if (element == chart.xishen) {
    line.effect = Effect::Helps;
    line.reason += "，补喜神" + name;
  } else if (disfavoured(chart, element)) {
    line.effect = Effect::Hinders;
    line.reason += chart.strong ? "；日主本已偏强，不宜再扶" : "；日主本已偏弱，不宜再耗";
  } else {
    line.reason += "，不偏不倚";
  }
  if (std::find(chart.missing.begin(), chart.missing.end(), element) != chart.missing.end()) {
    line.reason += "；也补了八字所缺的" + name;
  }
  if (!counted) {
    line.reason += std::string("（") + uncounted + "，不计入）";
  }
  return line;
}

void addCharacter(NameMatch& match, const bazi::BirthChart& chart, const chars::CharRecord& record,
                  const chars::CharDetails& details, bool counted) {
  if (record.simplified.empty()) {
    return;
  }
  const std::string label = "「" + record.simplified + "」";
  bazi::Element element{};
  if (!bazi::elementOfName(record.element, element)) {
    match.lines.push_back({label, {}, Effect::Neutral, counted, "五行不明，不计入"});
    return;
  }
  const std::string basis = chars::elementBasisWord(details);
  match.lines.push_back(judge(chart, label, basis.empty() ? "" : "按" + basis, element, counted, "姓氏不可选"));
}

std::string joinedLabels(const NameMatch& match, Effect effect) {
  std::string labels;
  for (const auto& line : match.lines) {
    if (line.counted && line.effect == effect) {
      labels += (labels.empty() ? "" : "、") + line.label;
    }
  }
  return labels;
}

}  // namespace

NameMatch matchName(const evaluate::ReportInputs& name, const bazi::BirthChart& chart) {
  NameMatch match;
  addCharacter(match, chart, name.surname1, name.details[0], false);
  addCharacter(match, chart, name.surname2, name.details[1], false);
  addCharacter(match, chart, name.given1, name.details[2], true);
  addCharacter(match, chart, name.given2, name.details[3], true);
  static constexpr const char* kTalents[] = {"天格", "人格", "地格"};
  for (std::size_t i = 0; i < 3; ++i) {
    const int number = name.grids[i];
    const auto element = static_cast<bazi::Element>(scoring::elementOfNumber(number));
    match.lines.push_back(
        judge(chart, std::string(kTalents[i]) + " " + std::to_string(number), "数理", element, i != 0, "由姓氏定"));
  }
  for (const auto& line : match.lines) {
    if (line.counted) {
      match.balance += line.effect == Effect::Helps ? 1 : line.effect == Effect::Hinders ? -1 : 0;
    }
  }
  match.verdict = match.balance >= 2 ? "相配较好" : match.balance >= 0 ? "大体平和" : "略有相违";
  const std::string helps = joinedLabels(match, Effect::Helps);
  const std::string hinders = joinedLabels(match, Effect::Hinders);
  match.summary = "按本程序写明的规则，名字与八字" + match.verdict + "（得分" + std::to_string(match.balance) + "）。" +
                  (helps.empty() ? "" : helps + "合八字所喜。") +
                  (hinders.empty() ? "" : hinders + "与八字所需相违。") + "这是民俗的一种看法，仅供参考。";
  return match;
}

}  // namespace quillan::folk
