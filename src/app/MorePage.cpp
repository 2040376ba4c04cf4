#include "app/MorePage.h"

namespace quillan::app {

FeaturePage* makeMorePage(const FeatureContext& /*context*/, QWidget* parent) {
  return new FeaturePage(FeaturePage::tr("更多功能"), FeaturePage::tr("星座运势、在线排盘、灵签与配对等更多小工具。"),
                         {{FeaturePage::tr("星座运势"), {}},
                          {FeaturePage::tr("在线排盘"), {}},
                          {FeaturePage::tr("观音灵签"), {}},
                          {FeaturePage::tr("情侣配对"), {}}},
                         parent);
}

}  // namespace quillan::app
