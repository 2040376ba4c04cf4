#include "app/ElementBars.h"

#include <QPainter>
#include <algorithm>

namespace quillan::app {

ElementBars::ElementBars(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("图表_五行")); }

void ElementBars::setWeights(const std::array<int, 5>& weights, const std::array<bool, 5>& supporting) {
  weights_ = weights;
  supporting_ = supporting;
  update();
}

QSize ElementBars::sizeHint() const { return {420, 150}; }

void ElementBars::paintEvent(QPaintEvent* /*event*/) {
  static const QString names[] = {tr("木"), tr("火"), tr("土"), tr("金"), tr("水")};
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int most = std::max(1, *std::max_element(weights_.begin(), weights_.end()));
  const int slot = width() / 5;
  const int labels = fontMetrics().height() + 4;
  const int room = height() - 2 * labels - 6;
  for (int i = 0; i < 5; ++i) {
    const int value = weights_[static_cast<std::size_t>(i)];
    const int barHeight = room * value / most;
    const QRect bar(i * slot + slot / 4, labels + room - barHeight, slot / 2, barHeight);
    painter.fillRect(bar,
                     supporting_[static_cast<std::size_t>(i)] ? QColor(0xc0, 0x39, 0x2b) : QColor(0x99, 0x88, 0x77));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(i * slot, labels + room - barHeight - labels, slot, labels), Qt::AlignCenter,
                     QString::number(value));
    painter.drawText(QRect(i * slot, height() - labels, slot, labels), Qt::AlignCenter, names[i]);
  }
}

}  // namespace quillan::app
