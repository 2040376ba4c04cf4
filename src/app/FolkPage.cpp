#include "app/FolkPage.h"

#include "app/FolkWindows.h"
#include "app/PastimeWindow.h"
#include "folk/Hours.h"

namespace quillan::app {

FeaturePage* makeFolkPage(const FeatureContext& context, QWidget* parent) {
  const FeatureContext c = context;
  // A sign read by the 时辰: its window starts at the hour it is now.
  const auto omen = [c](folk::Omen sign) {
    return [c, sign] { return makeOmenWindow(sign, folk::branchOfHour(c.now().time().hour()), c.hooks, c.window); };
  };
  return new FeaturePage(
      FeaturePage::tr("民俗预测"), FeaturePage::tr("耳鸣、眼跳、面热等民间说法汇编，仅供民俗文化参考。"),
      {windowFeature(c, FeaturePage::tr("耳鸣预测"), omen(folk::Omen::EarRinging)),
       windowFeature(c, FeaturePage::tr("面热预测"), omen(folk::Omen::FaceHeat)),
       windowFeature(c, FeaturePage::tr("心惊预测"), omen(folk::Omen::HeartStart)),
       windowFeature(c, FeaturePage::tr("眼跳预测"), omen(folk::Omen::EyeTwitch)),
       windowFeature(c, FeaturePage::tr("号码吉凶"), [c] { return makeNumberLuckWindow(c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("生男生女"),
                     [c] { return makeGenderTableWindow(c.now().date(), c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("指纹预测"), [c] { return makeFingerprintWindow(c.hooks, c.window); }),
       windowFeature(c, FeaturePage::tr("三世财运"),
                     [c] { return makeWealthWindow(c.birthStart(), c.hooks, c.window); })},
      parent);
}

}  // namespace quillan::app
