#include "bazi/ChartMethod.h"

#include <algorithm>

namespace quillan::bazi {

int weightOf(const BirthChart& chart, Element element) {
  int weight = 0;
  for (const ChartPillar& pillar : chart.pillars) {
    const auto& weights = kPositionWeights[static_cast<std::size_t>(pillar.position)];
    weight += stemElement(pillar.stem) == element ? weights.stem : 0;
    weight += branchElement(pillar.branch) == element ? weights.branch : 0;
  }
  return weight;
}

void readChart(BirthChart& chart) {
  chart.counts = {};
  chart.total = 0;
  for (const ChartPillar& pillar : chart.pillars) {
    ++chart.counts[static_cast<std::size_t>(stemElement(pillar.stem))];
    ++chart.counts[static_cast<std::size_t>(branchElement(pillar.branch))];
    const auto& weights = kPositionWeights[static_cast<std::size_t>(pillar.position)];
    chart.total += weights.stem + weights.branch;
  }
  chart.missing.clear();
  for (Element element : kElements) {
    if (chart.counts[static_cast<std::size_t>(element)] == 0) {
      chart.missing.push_back(element);
    }
  }
  const Element self = chart.dayElement();
  chart.support = weightOf(chart, self) + weightOf(chart, generatedBy(self));
  chart.strong = 2 * chart.support >= chart.total;
  if (!chart.strong) {
    chart.yongshen = generatedBy(self);
    chart.xishen = self;
    return;
  }
  std::array<Element, 3> outlets{controlledBy(self), generates(self), controls(self)};
  std::stable_sort(outlets.begin(), outlets.end(),
                   [&](Element a, Element b) { return weightOf(chart, a) < weightOf(chart, b); });
  chart.yongshen = outlets[0];
  chart.xishen = outlets[1];
}

}  // namespace quillan::bazi
