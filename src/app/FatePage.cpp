#include "app/FatePage.h"

#include "app/BirthChartWindows.h"
#include "app/FolkWindows.h"
#include "app/PastimeWindow.h"

namespace quillan::app {

FeaturePage* makeFatePage(const FeatureContext& context, QWidget* parent) {
  const FeatureContext c = context;
  const auto chart = [c](ChartView view) {
    return [c, view] { return makeBirthChartWindow(view, c.birthStart(), c.hooks, c.window); };
  };
  return new FeaturePage(
      FeaturePage::tr("命运测算"),
      FeaturePage::tr("以出生年月日时推算八字命理、称骨论命与姓氏渊源，仅供民俗文化参考。"),
      {windowFeature(c, FeaturePage::tr("生辰八字"), chart(ChartView::Pillars)),
       windowFeature(c, FeaturePage::tr("八字测算"), chart(ChartView::Balance)),
       windowFeature(c, FeaturePage::tr("日干论命"), chart(ChartView::DayStem)),
       windowFeature(c, FeaturePage::tr("称骨论命"),
                     [c] { return makeBoneWeightWindow(c.birthStart(), c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("姓命配对"),
                     [c] { return makeNameMatchWindow(c.birthStart(), c.lookup, c.background, c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("上辈为人"),
                     [c] { return makeElderWindow(c.birthStart(), c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("姓氏起源"),
                     [c] { return makeSurnameOriginWindow(c.lookup, c.background, c.hooks, c.window); })},
      parent);
}

}  // namespace quillan::app
