#pragma once

#include <QWidget>
#include <array>

namespace quillan::app {

// The five elements' weights in a birth chart as bars, with the day stem's element and its helper
// drawn in the colour of support.
class ElementBars : public QWidget {
  Q_OBJECT

 public:
  explicit ElementBars(QWidget* parent = nullptr);

  // Weights by element (木 火 土 金 水) and which of them support the day stem.
  void setWeights(const std::array<int, 5>& weights, const std::array<bool, 5>& supporting);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<int, 5> weights_{};
  std::array<bool, 5> supporting_{};
};

}  // namespace quillan::app
