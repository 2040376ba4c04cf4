#include "app/MorePage.h"

#include <memory>
#include <variant>

#include "app/GrowthWindow.h"
#include "app/PastimeWindow.h"
#include "app/PastimeWindows.h"
#include "growth/GrowthStore.h"
#include "service/BundledData.h"

namespace quillan::app {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Reads a data file of the function; on failure the user hears why and nothing opens.
template <typename Rows>
std::optional<Rows> readData(const FeatureContext& context, std::variant<Rows, std::string> read) {
  if (auto* failure = std::get_if<std::string>(&read)) {
    context.hooks->inform(context.window, FeaturePage::tr("更多功能"),
                          FeaturePage::tr("程序自带的数据读不出来：%1").arg(text(*failure)),
                          DialogHooks::Tone::Warning);
    return std::nullopt;
  }
  return std::get<Rows>(std::move(read));
}

QDialog* makeGrowth(const FeatureContext& context) {
  auto standards = readData(context, growth::GrowthStandards::load(service::bundledDataDirectory() / "growth"));
  if (!standards) {
    return nullptr;
  }
  const auto file = growth::growthRecordsFile();
  growth::LoadedRecords records = growth::loadGrowthRecords(file);
  if (!records.notice.empty()) {
    context.hooks->inform(context.window, FeaturePage::tr("生长曲线"), text(records.notice),
                          DialogHooks::Tone::Warning);
  }
  const auto now = context.now;
  return new GrowthWindow(
      std::move(*standards), file, std::move(records), context.hooks, [now] { return now().date(); }, context.window);
}

QDialog* makeStarSign(const FeatureContext& context) {
  auto signs = readData(context, pastime::readStarSigns(service::bundledDataDirectory() / "signs" / "star-signs.tsv"));
  return signs ? makeStarSignWindow(std::move(*signs), context.now().date(), context.hooks, context.window) : nullptr;
}

QDialog* makeFortuneSticks(const FeatureContext& context) {
  auto sticks =
      readData(context, pastime::readFortuneSticks(service::bundledDataDirectory() / "sticks" / "sticks.tsv"));
  return sticks ? makeFortuneStickWindow(std::move(*sticks), context.hooks, context.window) : nullptr;
}

QDialog* makeZodiacPairs(const FeatureContext& context) {
  auto pairs =
      readData(context, pastime::readZodiacPairs(service::bundledDataDirectory() / "signs" / "zodiac-pairs.tsv"));
  return pairs ? makeZodiacPairWindow(std::move(*pairs), context.now().date().year(), context.hooks, context.window)
               : nullptr;
}

}  // namespace

FeaturePage* makeMorePage(const FeatureContext& context, QWidget* parent) {
  const FeatureContext c = context;
  return new FeaturePage(
      FeaturePage::tr("更多功能"),
      FeaturePage::tr("记录宝宝的生长曲线（WHO 儿童生长标准），还有星座、求签和生肖配对几样民俗小玩意，仅供娱乐。"),
      {windowFeature(c, FeaturePage::tr("生长曲线"), [c] { return makeGrowth(c); }),
       windowFeature(c, FeaturePage::tr("星座"), [c] { return makeStarSign(c); }),
       windowFeature(c, FeaturePage::tr("求签"), [c] { return makeFortuneSticks(c); }),
       windowFeature(c, FeaturePage::tr("生肖配对"), [c] { return makeZodiacPairs(c); })},
      parent);
}

}  // namespace quillan::app
