#include "growthchart/GrowthChartPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>

namespace quillan::growthchart {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A round step for about `wanted` grid lines over a span.
double niceStep(double span, int wanted) {
  const double raw = span / wanted;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (raw <= factor * power) {
      return factor * power;
    }
  }
  return 10 * power;
}

QColor curveColour(int percentile) {
  switch (percentile) {
    case 50:
      return QColor(0x2e, 0x7d, 0x32);
    case 15:
    case 85:
      return QColor(0xf9, 0xa8, 0x25);
    default:
      return QColor(0xc6, 0x28, 0x28);
  }
}

}  // namespace

void paintGrowthChart(QPainter& painter, const QRectF& area, const growth::GrowthChartContent& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);

  const double unit = std::max(8.0, std::min(area.width(), area.height()) / 60.0);
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(unit * 1.4));
  QFont small = font;
  small.setPixelSize(static_cast<int>(unit * 1.1));

  const QRectF titleBox(area.left(), area.top() + unit, area.width(), unit * 3);
  const double notesHeight = unit * 4.4;
  const QRectF plot(area.left() + unit * 7, titleBox.bottom() + unit, area.width() - unit * 12,
                    area.height() - titleBox.height() - notesHeight - unit * 8);

  painter.setPen(Qt::black);
  QFont titleFont = font;
  titleFont.setBold(true);
  titleFont.setPixelSize(static_cast<int>(unit * 1.8));
  painter.setFont(titleFont);
  painter.drawText(titleBox, Qt::AlignCenter, text(chart.title));

  const double xSpan = std::max(chart.xMax - chart.xMin, 1e-6);
  const double ySpan = std::max(chart.yMax - chart.yMin, 1e-6);
  const auto toScreen = [&](const growth::ChartPoint& p) {
    return QPointF(plot.left() + (p.x - chart.xMin) / xSpan * plot.width(),
                   plot.bottom() - (p.y - chart.yMin) / ySpan * plot.height());
  };

  // Grid and axis numbers.
  painter.setFont(small);
  const QPen gridPen(QColor(0xdd, 0xdd, 0xdd), 0);
  const double xStep = niceStep(xSpan, 10);
  for (double x = std::ceil(chart.xMin / xStep) * xStep; x <= chart.xMax + 1e-9; x += xStep) {
    const QPointF at = toScreen({x, chart.yMin});
    painter.setPen(gridPen);
    painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at.x() - unit * 3, plot.bottom() + unit * 0.3, unit * 6, unit * 1.6), Qt::AlignCenter,
                     QString::number(x));
  }
  const double yStep = niceStep(ySpan, 8);
  for (double y = std::ceil(chart.yMin / yStep) * yStep; y <= chart.yMax + 1e-9; y += yStep) {
    const QPointF at = toScreen({chart.xMin, y});
    painter.setPen(gridPen);
    painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left() - unit * 6.5, at.y() - unit, unit * 6, unit * 2),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
  }
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(plot);
  painter.drawText(QRectF(plot.left(), plot.bottom() + unit * 2, plot.width(), unit * 1.8), Qt::AlignCenter,
                   text(chart.xLabel));
  painter.save();
  painter.translate(area.left() + unit * 1.2, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, -unit, plot.height(), unit * 2), Qt::AlignCenter, text(chart.yLabel));
  painter.restore();

  // The WHO curves, each labelled at its right end.
  painter.setClipRect(plot.adjusted(0, 0, unit * 5, 0));
  for (const growth::CentileCurve& curve : chart.curves) {
    if (curve.points.empty()) {
      continue;
    }
    QPainterPath path(toScreen(curve.points.front()));
    for (const growth::ChartPoint& p : curve.points) {
      path.lineTo(toScreen(p));
    }
    painter.setPen(QPen(curveColour(curve.percentile), unit * (curve.percentile == 50 ? 0.3 : 0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    const QPointF end = toScreen(curve.points.back());
    painter.drawText(QRectF(end.x() + unit * 0.4, end.y() - unit, unit * 4.5, unit * 2),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("P%1").arg(curve.percentile));
  }
  painter.setClipping(false);

  // The child's points, joined in date order.
  if (!chart.childPoints.empty()) {
    painter.setPen(QPen(QColor(0x15, 0x65, 0xc0), unit * 0.25));
    QPainterPath path(toScreen(chart.childPoints.front()));
    for (const growth::ChartPoint& p : chart.childPoints) {
      path.lineTo(toScreen(p));
    }
    painter.drawPath(path);
    painter.setBrush(QColor(0x15, 0x65, 0xc0));
    for (const growth::ChartPoint& p : chart.childPoints) {
      painter.drawEllipse(toScreen(p), unit * 0.6, unit * 0.6);
    }
  }

  painter.setPen(QColor(0x55, 0x55, 0x55));
  painter.setFont(small);
  const QRectF notes(area.left() + unit, area.bottom() - notesHeight, area.width() - unit * 2,
                     notesHeight - unit * 0.5);
  QStringList lines;
  for (const std::string& note : chart.notes) {
    lines << text(note);
  }
  painter.drawText(notes, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
  painter.restore();
}

}  // namespace quillan::growthchart
