#include "app/FolkPage.h"

namespace quillan::app {

FeaturePage* makeFolkPage(const FeatureContext& /*context*/, QWidget* parent) {
  return new FeaturePage(FeaturePage::tr("民俗预测"),
                         FeaturePage::tr("耳鸣、眼跳、面热等民间说法汇编，仅供民俗文化参考。"),
                         {{FeaturePage::tr("耳鸣预测"), {}},
                          {FeaturePage::tr("面热预测"), {}},
                          {FeaturePage::tr("心惊预测"), {}},
                          {FeaturePage::tr("眼跳预测"), {}},
                          {FeaturePage::tr("号码吉凶"), {}},
                          {FeaturePage::tr("生男生女"), {}},
                          {FeaturePage::tr("指纹预测"), {}},
                          {FeaturePage::tr("三世财运"), {}}},
                         parent);
}

}  // namespace quillan::app
