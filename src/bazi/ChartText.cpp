#include "bazi/ChartText.h"

#include "bazi/ChartMethod.h"

namespace quillan::bazi {
namespace {

std::string name(Element element) { return std::string(elementName(element)); }

std::string percent(int part, int whole) { return std::to_string(whole == 0 ? 0 : (part * 100 + whole / 2) / whole); }

// 得令: the month branch carries the day stem's element or the one generating it.
bool inSeason(const BirthChart& chart) {
  const Element month = branchElement(chart.pillars[1].branch);
  return month == chart.dayElement() || month == generatedBy(chart.dayElement());
}

std::string outletsText(const BirthChart& chart) {
  const Element self = chart.dayElement();
  const std::pair<const char*, Element> outlets[] = {
      {"官杀", controlledBy(self)}, {"食伤", generates(self)}, {"财", controls(self)}};
  std::string text;
  for (const auto& [label, element] : outlets) {
    text += (text.empty() ? "" : "、") + std::string(label) + "（" + name(element) + "）" +
            std::to_string(weightOf(chart, element)) + "分";
  }
  return text;
}

}  // namespace

std::string strengthWord(const BirthChart& chart) { return chart.strong ? "身强" : "身弱"; }

std::string chartLine(const BirthChart& chart) {
  std::string pillars;
  for (const ChartPillar& pillar : chart.pillars) {
    pillars += (pillars.empty() ? "" : " ") + pillar.name();
  }
  return "八字：" + pillars + (chart.hourKnown ? "" : "（时辰未知）") + " · " + strengthWord(chart) + " · 喜用神：" +
         name(chart.yongshen) + "、" + name(chart.xishen);
}

std::string countsText(const BirthChart& chart) {
  std::string text;
  for (Element element : kElements) {
    text += (text.empty() ? "" : " ") + name(element) + std::to_string(chart.counts[static_cast<std::size_t>(element)]);
  }
  return text;
}

std::string reasonSentence(const BirthChart& chart) {
  const Element self = chart.dayElement();
  std::string sentence = "日主" + std::string(stemName(chart.day().stem)) + name(self) + "生于" +
                         std::string(branchName(chart.pillars[1].branch)) + "月，" +
                         (inSeason(chart) ? "得令" : "失令") + "；同类与生扶共" + std::to_string(chart.support) +
                         "分，占" + std::to_string(chart.total) + "分的" + percent(chart.support, chart.total) + "%，" +
                         strengthWord(chart);
  if (chart.strong) {
    sentence += "，宜泄宜耗：" + outletsText(chart) + "，取最轻的" + name(chart.yongshen) + "为用神、" +
                name(chart.xishen) + "为喜神。";
  } else {
    sentence += "，宜生宜扶：以生扶日主的" + name(chart.yongshen) + "为用神、同类的" + name(chart.xishen) + "为喜神。";
  }
  return sentence;
}

std::vector<std::string> methodSteps(const BirthChart& chart) {
  const Element self = chart.dayElement();
  std::vector<std::string> steps;
  steps.push_back("五行个数（天干看本五行，地支看本气）：" + countsText(chart));
  std::string missing;
  for (Element element : chart.missing) {
    missing += name(element);
  }
  steps.push_back("五行缺：" + (missing.empty() ? std::string("不缺") : missing));
  steps.push_back("日主：" + std::string(stemName(chart.day().stem)) + name(self) + "（" +
                  (stemPolarity(chart.day().stem) == Polarity::Yang ? "阳" : "阴") + "）");
  std::string weights = "分数：年干1 月干1";
  weights += chart.hourKnown ? " 时干1" : "";
  weights += " 年支1 月支2（月令） 日支1";
  weights += chart.hourKnown ? " 时支1" : "";
  steps.push_back(weights + "，共" + std::to_string(chart.total) + "分（日干不计）");
  const int companions = weightOf(chart, self);
  const int resources = weightOf(chart, generatedBy(self));
  steps.push_back("生扶日主：比劫（" + name(self) + "）" + std::to_string(companions) + "分 + 印（" +
                  name(generatedBy(self)) + "）" + std::to_string(resources) + "分 = " + std::to_string(chart.support) +
                  "分，占" + percent(chart.support, chart.total) + "%");
  steps.push_back("强弱：生扶" + std::string(chart.strong ? "不少于" : "不到") + "总分的一半，" + strengthWord(chart));
  if (chart.strong) {
    steps.push_back("泄耗日主：" + outletsText(chart) + "；最轻者为用神，其次为喜神，同分按官杀、食伤、财的顺序");
  } else {
    steps.push_back("身弱取生扶：生日主的" + name(generatedBy(self)) + "为用神，同类的" + name(self) + "为喜神");
  }
  steps.push_back("喜用神：用神" + name(chart.yongshen) + "，喜神" + name(chart.xishen));
  return steps;
}

}  // namespace quillan::bazi
