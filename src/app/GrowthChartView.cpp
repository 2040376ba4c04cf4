#include "app/GrowthChartView.h"

#include <QPainter>

#include "growthchart/GrowthChartPainter.h"

namespace quillan::app {

GrowthChartView::GrowthChartView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(560, 400);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GrowthChartView::setChart(std::optional<growth::GrowthChartContent> chart) {
  chart_ = std::move(chart);
  update();
}

void GrowthChartView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!chart_) {
    painter.fillRect(rect(), Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, tr("请先在左边添加孩子和测量记录"));
    return;
  }
  growthchart::paintGrowthChart(painter, QRectF(rect()), *chart_);
}

}  // namespace quillan::app
