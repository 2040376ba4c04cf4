#include "app/FatePage.h"

#include "app/BirthChartWindows.h"
#include "app/PastimeWindow.h"

namespace quillan::app {
namespace {

// One window per function: a second click brings the open one to the front.
void openChart(const FeatureContext& context, ChartView view, const QString& objectName) {
  auto* open = context.window->findChild<QDialog*>(objectName, Qt::FindDirectChildrenOnly);
  if (open == nullptr) {
    open = makeBirthChartWindow(view, context.now().date(), context.hooks, context.window);
  }
  open->show();
  open->raise();
  open->activateWindow();
}

}  // namespace

FeaturePage* makeFatePage(const FeatureContext& context, QWidget* parent) {
  return new FeaturePage(FeaturePage::tr("命运测算"),
                         FeaturePage::tr("以出生年月日时推算八字命理、称骨论命与姓氏渊源，仅供民俗文化参考。"),
                         {{FeaturePage::tr("生辰八字"),
                           [context] { openChart(context, ChartView::Pillars, QStringLiteral("窗口_生辰八字")); }},
                          {FeaturePage::tr("八字测算"),
                           [context] { openChart(context, ChartView::Balance, QStringLiteral("窗口_八字测算")); }},
                          {FeaturePage::tr("日干论命"),
                           [context] { openChart(context, ChartView::DayStem, QStringLiteral("窗口_日干论命")); }},
                          {FeaturePage::tr("称骨论命"), {}},
                          {FeaturePage::tr("姓命配对"), {}},
                          {FeaturePage::tr("上辈为人"), {}},
                          {FeaturePage::tr("姓氏起源"), {}}},
                         parent);
}

}  // namespace quillan::app
