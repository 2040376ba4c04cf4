#pragma once

#include <QWidget>
#include <optional>

#include "growth/GrowthChartContent.h"

namespace quillan::app {

// The growth chart in the window, drawn by the same painter as the saved files.
class GrowthChartView : public QWidget {
  Q_OBJECT

 public:
  explicit GrowthChartView(QWidget* parent = nullptr);

  void setChart(std::optional<growth::GrowthChartContent> chart);
  const std::optional<growth::GrowthChartContent>& chart() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<growth::GrowthChartContent> chart_;
};

}  // namespace quillan::app
