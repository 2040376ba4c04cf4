#pragma once

#include <array>

#include "bazi/BirthChart.h"

namespace quillan::bazi {

// The one method the program reads a chart by, every rule in this header:
//
// 五行个数: the characters carrying each element, the stems by their element and the branches by
// their main qi, the day stem included; 五行缺 the elements with none.
//
// 日主强弱: each position but the day stem weighs kPositionWeights (year stem 1, month stem 1, hour
// stem 1, year branch 1, month branch 2 for 月令, day branch 1, hour branch 1: 8 in all, 6 without the
// hour). Support is the weight of the positions whose element is the day stem's own (比劫) or the
// one that generates it (印). 身强 when support is at least half the total, else 身弱.
//
// 喜用神: 身弱, the element generating the day stem is 用神 and the day stem's own is 喜神. 身强, of the
// element controlling the day stem (官杀), the one it generates (食伤) and the one it controls (财),
// the lightest (same weights, day stem excluded) is 用神 and the next 喜神; equal weights go in that
// order.
struct PositionWeights {
  int stem = 0;
  int branch = 0;
};
inline constexpr std::array<PositionWeights, 4> kPositionWeights{{{1, 1}, {1, 2}, {0, 1}, {1, 1}}};

// Fills counts, missing, support, total, strong, yongshen and xishen from the pillars.
void readChart(BirthChart& chart);

// The weight of the positions (day stem excluded) carrying an element.
int weightOf(const BirthChart& chart, Element element);

}  // namespace quillan::bazi
