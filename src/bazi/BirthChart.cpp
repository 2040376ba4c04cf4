#include "bazi/BirthChart.h"

#include <vector>

#include "bazi/ChartMethod.h"
#include "calendar/FourPillars.h"
#include "calendar/Sexagenary.h"
#include "calendar/TrueSolarTime.h"

namespace quillan::bazi {
namespace {

// 藏干 of each branch, main qi first.
const std::array<std::vector<int>, 12> kHiddenStems{{
    {9},        // 子 癸
    {5, 9, 7},  // 丑 己癸辛
    {0, 2, 4},  // 寅 甲丙戊
    {1},        // 卯 乙
    {4, 1, 9},  // 辰 戊乙癸
    {2, 6, 4},  // 巳 丙庚戊
    {3, 5},     // 午 丁己
    {5, 3, 1},  // 未 己丁乙
    {6, 8, 4},  // 申 庚壬戊
    {7},        // 酉 辛
    {4, 7, 3},  // 戌 戊辛丁
    {8, 0},     // 亥 壬甲
}};

ChartPillar pillarOf(PillarPosition position, int pair) {
  ChartPillar pillar;
  pillar.position = position;
  pillar.pair = pair;
  pillar.stem = (pair - 1) % 10;
  pillar.branch = (pair - 1) % 12;
  pillar.nayin = calendar::nayinOf(calendar::sexagenaryName(pair));
  return pillar;
}

}  // namespace

std::string ChartPillar::name() const { return calendar::sexagenaryName(pair); }

std::optional<BirthChart> birthChart(const BirthMoment& birth) {
  if (!calendar::isValid(birth.date) || (birth.hour && (*birth.hour < 0 || *birth.hour > 23)) || birth.minute < 0 ||
      birth.minute > 59) {
    return std::nullopt;
  }
  BirthChart chart;
  chart.birth = birth;
  chart.hourKnown = birth.hour.has_value();
  // Without the hour the other pillars are taken at noon, away from the midnight change of the day.
  chart.used = {birth.date, birth.hour.value_or(12), chart.hourKnown ? birth.minute : 0, 0};
  if (birth.longitude && chart.hourKnown) {
    const auto solar = calendar::trueSolarTime(chart.used, *birth.longitude);
    if (!solar) {
      return std::nullopt;
    }
    chart.used = *solar;
  } else if (birth.longitude && !(*birth.longitude >= -180.0 && *birth.longitude <= 180.0)) {
    return std::nullopt;
  }
  const auto pillars = calendar::fourPillarsOf(chart.used);
  if (!pillars) {
    return std::nullopt;
  }
  chart.pillars.push_back(pillarOf(PillarPosition::Year, pillars->year));
  chart.pillars.push_back(pillarOf(PillarPosition::Month, pillars->month));
  chart.pillars.push_back(pillarOf(PillarPosition::Day, pillars->day));
  if (chart.hourKnown) {
    chart.pillars.push_back(pillarOf(PillarPosition::Hour, pillars->hour));
  }
  const int dayStem = chart.day().stem;
  for (ChartPillar& pillar : chart.pillars) {
    if (pillar.position != PillarPosition::Day) {
      pillar.stemGod = tenGodOf(dayStem, pillar.stem);
    }
    for (int stem : kHiddenStems[static_cast<std::size_t>(pillar.branch)]) {
      pillar.hidden.push_back({stem, tenGodOf(dayStem, stem)});
    }
  }
  readChart(chart);
  return chart;
}

}  // namespace quillan::bazi
