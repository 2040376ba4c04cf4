#include "app/FatePage.h"

namespace quillan::app {

FeaturePage* makeFatePage(const FeatureContext& /*context*/, QWidget* parent) {
  return new FeaturePage(FeaturePage::tr("命运测算"),
                         FeaturePage::tr("以出生年月日时推算八字命理、称骨论命与姓氏渊源，仅供民俗文化参考。"),
                         {{FeaturePage::tr("生辰八字"), {}},
                          {FeaturePage::tr("八字测算"), {}},
                          {FeaturePage::tr("日干论命"), {}},
                          {FeaturePage::tr("称骨论命"), {}},
                          {FeaturePage::tr("姓命配对"), {}},
                          {FeaturePage::tr("上辈为人"), {}},
                          {FeaturePage::tr("姓氏起源"), {}}},
                         parent);
}

}  // namespace quillan::app
