#include "app/IntroPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

namespace quillan::app {

IntroPicture::IntroPicture(QWidget* parent) : QWidget(parent) {
  setProperty("role", QStringLiteral("intro"));
  setMinimumSize(420, 300);
}

void IntroPicture::setAccent(const QColor& colour) {
  accent_ = colour;
  update();
}

void IntroPicture::setCard(const QColor& colour) {
  card_ = colour;
  update();
}

void IntroPicture::setInk(const QColor& colour) {
  ink_ = colour;
  update();
}

void IntroPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
  QPainterPath card;
  card.addRoundedRect(frame, 12, 12);
  painter.fillPath(card, card_);
  QColor edge = accent_;
  edge.setAlpha(60);
  painter.setPen(QPen(edge, 1));
  painter.drawPath(card);

  // A soft wash of the accent colour in the upper corner.
  QRadialGradient wash(frame.topRight(), frame.width() * 0.6);
  QColor soft = accent_;
  soft.setAlpha(34);
  wash.setColorAt(0, soft);
  wash.setColorAt(1, Qt::transparent);
  painter.fillPath(card, wash);

  const qreal unit = std::min(frame.width() / 820.0, frame.height() / 500.0);
  const qreal left = frame.left() + 48 * unit;
  qreal y = frame.top() + 56 * unit;

  QFont title = font();
  title.setPointSizeF(std::max(14.0, 24 * unit));
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(accent_);
  painter.drawText(QPointF(left, y + 24 * unit), tr("三步，为宝宝起一个好名字"));
  y += 64 * unit;

  QFont body = font();
  body.setPointSizeF(std::max(9.0, 13 * unit));
  QFont step = body;
  step.setBold(true);
  step.setPointSizeF(std::max(11.0, 16 * unit));

  const std::array<std::pair<QString, QString>, 3> steps{{
      {tr("输入宝宝的姓氏"), tr("单姓、复姓均可，例如：李、欧阳")},
      {tr("选择性别、生日与起名模式"), tr("经典、高分、自选与起小名四种模式，名字按康熙笔画推算五格")},
      {tr("点击“生成”"), tr("结果列表给出五行、五格数理、吉凶、三才与综合评分")},
  }};
  const qreal radius = 20 * unit;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const QPointF centre(left + radius, y + radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent_);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::white);
    painter.setFont(step);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                     QString::number(i + 1));
    painter.setPen(ink_);
    painter.drawText(QPointF(left + 2 * radius + 18 * unit, y + radius * 0.55), steps[i].first);
    painter.setFont(body);
    QColor muted = ink_;
    muted.setAlpha(150);
    painter.setPen(muted);
    painter.drawText(QPointF(left + 2 * radius + 18 * unit, y + radius * 1.75), steps[i].second);
    y += 2 * radius + 34 * unit;
  }

  // The four modes as small tags along the bottom, wrapped when the card is narrow.
  const std::array<QString, 4> modes{tr("经典模式 · 每次100个"), tr("高分模式 · 全部95分以上"),
                                     tr("自选模式 · 用字由你定"), tr("起小名 · 三种句式")};
  painter.setFont(body);
  const QFontMetricsF metrics(body);
  const qreal tagHeight = metrics.height() + 14 * unit;
  const qreal gap = 12 * unit;
  std::vector<QRectF> tags;
  qreal x = left;
  qreal row = 0;
  for (const QString& mode : modes) {
    const qreal width = metrics.horizontalAdvance(mode) + 28 * unit;
    if (x > left && x + width > frame.right() - 24 * unit) {
      x = left;
      row += tagHeight + gap;
    }
    tags.emplace_back(x, row, width, tagHeight);
    x += width + gap;
  }
  const qreal top = std::max(y + 8 * unit, frame.bottom() - 40 * unit - row - tagHeight);
  for (std::size_t i = 0; i < modes.size(); ++i) {
    const QRectF box = tags[i].translated(0, top);
    QPainterPath tag;
    tag.addRoundedRect(box, tagHeight / 2, tagHeight / 2);
    QColor fill = accent_;
    fill.setAlpha(28);
    painter.fillPath(tag, fill);
    painter.setPen(accent_);
    painter.drawText(box, Qt::AlignCenter, modes[i]);
  }
}

}  // namespace quillan::app
