#pragma once

#include "app/DialogHooks.h"
#include "app/FeaturePage.h"

class QWidget;

namespace quillan::app {

class PastimeWindow;

// The three birth-chart functions of 命运测算, each a window with the birth date, the hour (or
// "未知") and an optional birthplace for true solar time; the boxes start at `start`.
enum class ChartView {
  Pillars,  // 生辰八字: pillars, hidden stems, ten gods, Nayin
  Balance,  // 八字测算: the weighted elements as bars, strength with its numbers, 喜用神 and why
  DayStem,  // 日干论命: the folk reading of the day stem
};

PastimeWindow* makeBirthChartWindow(ChartView view, BirthStart start, const DialogHooks* hooks, QWidget* parent);

}  // namespace quillan::app
