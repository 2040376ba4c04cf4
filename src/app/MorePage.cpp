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

// One window per function: a second click brings the open one to the front.
bool raiseOpen(QWidget* parent, const QString& objectName) {
  auto* open = parent->findChild<QDialog*>(objectName, Qt::FindDirectChildrenOnly);
  if (open == nullptr) {
    return false;
  }
  open->show();
  open->raise();
  open->activateWindow();
  return true;
}

void showWindow(QDialog* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

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

void openGrowth(const FeatureContext& context) {
  if (raiseOpen(context.window, QStringLiteral("窗口_生长曲线"))) {
    return;
  }
  auto standards = readData(context, growth::GrowthStandards::load(service::bundledDataDirectory() / "growth"));
  if (!standards) {
    return;
  }
  const auto file = growth::growthRecordsFile();
  growth::LoadedRecords records = growth::loadGrowthRecords(file);
  if (!records.notice.empty()) {
    context.hooks->inform(context.window, FeaturePage::tr("生长曲线"), text(records.notice),
                          DialogHooks::Tone::Warning);
  }
  const auto now = context.now;
  showWindow(new GrowthWindow(
      std::move(*standards), file, std::move(records), context.hooks, [now] { return now().date(); }, context.window));
}

void openStarSign(const FeatureContext& context) {
  if (raiseOpen(context.window, QStringLiteral("窗口_星座"))) {
    return;
  }
  if (auto signs =
          readData(context, pastime::readStarSigns(service::bundledDataDirectory() / "signs" / "star-signs.tsv"))) {
    showWindow(makeStarSignWindow(std::move(*signs), context.now().date(), context.window));
  }
}

void openFortuneSticks(const FeatureContext& context) {
  if (raiseOpen(context.window, QStringLiteral("窗口_求签"))) {
    return;
  }
  if (auto sticks =
          readData(context, pastime::readFortuneSticks(service::bundledDataDirectory() / "sticks" / "sticks.tsv"))) {
    showWindow(makeFortuneStickWindow(std::move(*sticks), context.window));
  }
}

void openZodiacPairs(const FeatureContext& context) {
  if (raiseOpen(context.window, QStringLiteral("窗口_生肖配对"))) {
    return;
  }
  if (auto pairs =
          readData(context, pastime::readZodiacPairs(service::bundledDataDirectory() / "signs" / "zodiac-pairs.tsv"))) {
    showWindow(makeZodiacPairWindow(std::move(*pairs), context.now().date().year(), context.window));
  }
}

}  // namespace

FeaturePage* makeMorePage(const FeatureContext& context, QWidget* parent) {
  return new FeaturePage(
      FeaturePage::tr("更多功能"),
      FeaturePage::tr("记录宝宝的生长曲线（WHO 儿童生长标准），还有星座、求签和生肖配对几样民俗小玩意，仅供娱乐。"),
      {{FeaturePage::tr("生长曲线"), [context] { openGrowth(context); }},
       {FeaturePage::tr("星座"), [context] { openStarSign(context); }},
       {FeaturePage::tr("求签"), [context] { openFortuneSticks(context); }},
       {FeaturePage::tr("生肖配对"), [context] { openZodiacPairs(context); }}},
      parent);
}

}  // namespace quillan::app
