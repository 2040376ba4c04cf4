#include "certificate/CertificateRenderer.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace quillan::certificate {
namespace {

const QColor kPaper(0xfb, 0xf6, 0xe8);
const QColor kRed(0xb0, 0x1e, 0x23);
const QColor kGold(0xb8, 0x8a, 0x2e);
const QColor kInk(0x33, 0x2a, 0x22);

// The context of this file's texts for a translation.
class CertificateTexts {
  Q_DECLARE_TR_FUNCTIONS(CertificateTexts)
};

QString text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QFont font(qreal pixelSize, bool bold = false) {
  QFont f(QStringLiteral("Noto Sans CJK SC"));
  f.setPixelSize(qRound(pixelSize));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void drawBorder(QPainter& p, const QRectF& page) {
  p.fillRect(page, kPaper);
  QLinearGradient wash(page.topLeft(), page.bottomRight());
  wash.setColorAt(0, QColor(255, 252, 242));
  wash.setColorAt(1, QColor(246, 236, 212));
  p.fillRect(page.adjusted(18, 18, -18, -18), wash);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kRed, 6));
  p.drawRect(page.adjusted(12, 12, -12, -12));
  p.setPen(QPen(kGold, 1.5));
  p.drawRect(page.adjusted(24, 24, -24, -24));
  // Corner ornaments: small squares with a diagonal cross.
  const qreal s = 22;
  for (const QPointF& c : {page.topLeft() + QPointF(24, 24), page.topRight() + QPointF(-24, 24),
                           page.bottomLeft() + QPointF(24, -24), page.bottomRight() + QPointF(-24, -24)}) {
    const QRectF box(c.x() - s / 2, c.y() - s / 2, s, s);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(kPaper);
    p.drawRect(box);
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
  }
}

void drawSeal(QPainter& p, const QPointF& centre, qreal radius) {
  p.save();
  p.translate(centre);
  p.rotate(-12);
  QColor ink = kRed;
  ink.setAlpha(150);
  p.setPen(QPen(ink, 4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), radius, radius);
  p.setPen(QPen(ink, 1.5));
  p.drawEllipse(QPointF(0, 0), radius - 7, radius - 7);
  // A five-pointed star in the middle, as on a seal.
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal r = (i % 2 == 0) ? radius * 0.32 : radius * 0.13;
    const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
    const QPointF pt(r * qCos(a), r * qSin(a));
    i == 0 ? star.moveTo(pt) : star.lineTo(pt);
  }
  star.closeSubpath();
  p.fillPath(star, ink);
  p.setPen(ink);
  p.setFont(font(radius * 0.26, true));
  p.drawText(QRectF(-radius, radius * 0.30, 2 * radius, radius * 0.4), Qt::AlignCenter,
             CertificateTexts::tr("起名专用章"));
  p.setFont(font(radius * 0.22, true));
  p.drawText(QRectF(-radius, -radius * 0.78, 2 * radius, radius * 0.4), Qt::AlignCenter, QStringLiteral("QUILLAN"));
  p.restore();
}

void drawPhoto(QPainter& p, const QRectF& frame, const QImage& photo) {
  p.setPen(QPen(kGold, 2));
  p.setBrush(Qt::white);
  p.drawRect(frame);
  const QRectF inner = frame.adjusted(6, 6, -6, -6);
  if (photo.isNull()) {
    p.setPen(QPen(QColor(0xc8, 0xbc, 0xa4), 1, Qt::DashLine));
    p.drawRect(inner);
    return;
  }
  QSizeF size = photo.size();
  size.scale(inner.size(), Qt::KeepAspectRatio);
  const QRectF target(inner.center() - QPointF(size.width() / 2, size.height() / 2), size);
  p.drawImage(target, photo);
}

}  // namespace

QImage CertificateRenderer::render(const CertificateContent& content, qreal scale) {
  const QSize logical = logicalSize();
  QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(kPaper);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  painter.scale(scale, scale);
  paint(painter, content);
  painter.end();
  return image;
}

void CertificateRenderer::paint(QPainter& p, const CertificateContent& c) {
  const QRectF page(QPointF(0, 0), logicalSize());
  drawBorder(p, page);

  // Title and subtitle.
  p.setPen(kRed);
  p.setFont(font(40, true));
  p.drawText(QRectF(0, 40, page.width(), 56), Qt::AlignCenter, CertificateTexts::tr("宝宝起名评定证书"));
  p.setPen(kGold);
  p.setFont(font(13));
  p.drawText(QRectF(0, 94, page.width(), 22), Qt::AlignCenter, CertificateTexts::tr("五格剖象 · 三才配置 · 生辰八字"));
  p.setPen(QPen(kGold, 1));
  p.drawLine(QPointF(180, 124), QPointF(page.width() - 180, 124));

  // The photo on the left.
  const QRectF frame(60, 150, 170, 215);
  drawPhoto(p, frame, c.photo);

  // The labelled texts on the right.
  struct Line {
    QString label;
    QString text;
  };
  const auto& t = c.texts;
  const Line lines[] = {
      {CertificateTexts::tr("宝宝姓名："), text(t.name)},
      {CertificateTexts::tr("出生日期："), text(t.birth.gregorian)},
      {CertificateTexts::tr("农历生日："), text(t.birth.lunar)},
      {CertificateTexts::tr("生辰八字："), text(t.birth.pillars)},
      {CertificateTexts::tr("生肖纳音："), text(t.birth.zodiacNayin)},
      {CertificateTexts::tr("字意五行："), text(t.elements)},
      {CertificateTexts::tr("三才五行："), text(t.talents)},
      {CertificateTexts::tr("五格吉凶："), text(t.luck)},
  };
  qreal y = 150;
  const qreal labelX = 260;
  const qreal textX = 360;
  for (const Line& line : lines) {
    p.setPen(kRed);
    p.setFont(font(16, true));
    p.drawText(QRectF(labelX, y, 100, 28), Qt::AlignLeft | Qt::AlignVCenter, line.label);
    p.setPen(kInk);
    p.setFont(font(line.label == lines[0].label ? 22 : 16, line.label == lines[0].label));
    p.drawText(QRectF(textX, y, page.width() - textX - 60, 28), Qt::AlignLeft | Qt::AlignVCenter, line.text);
    y += 30;
  }

  // The verdict, wrapped under the photo and the texts.
  p.setPen(kRed);
  p.setFont(font(16, true));
  p.drawText(QRectF(60, 400, 100, 28), Qt::AlignLeft | Qt::AlignVCenter, CertificateTexts::tr("评语："));
  p.setPen(kInk);
  p.setFont(font(15));
  p.drawText(QRectF(120, 404, page.width() - 180, 70), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             text(t.verdict));

  // The score, large, with the seal pressed over its end as a stamp, light enough to leave the
  // score readable.
  const QRectF scoreBox(page.width() - 330, 470, 200, 80);
  p.setPen(kInk);
  p.setFont(font(15, true));
  p.drawText(QRectF(scoreBox.left(), scoreBox.top() - 30, scoreBox.width(), 26), Qt::AlignCenter,
             CertificateTexts::tr("综合评分"));
  p.setPen(kRed);
  p.setFont(font(44, true));
  p.drawText(scoreBox, Qt::AlignCenter, text(t.score) + CertificateTexts::tr("分"));
  drawSeal(p, QPointF(page.width() - 125, scoreBox.center().y() + 8), 58);

  // The number at the bottom.
  p.setPen(kInk);
  p.setFont(font(13));
  p.drawText(QRectF(60, page.height() - 90, 120, 24), Qt::AlignLeft | Qt::AlignVCenter,
             CertificateTexts::tr("证书编号："));
  p.setFont(font(13, true));
  p.drawText(QRectF(140, page.height() - 90, 480, 24), Qt::AlignLeft | Qt::AlignVCenter, c.number);
  p.setFont(font(11));
  p.setPen(kGold);
  p.drawText(QRectF(60, page.height() - 64, 560, 20), Qt::AlignLeft | Qt::AlignVCenter,
             CertificateTexts::tr("本证书依康熙笔画推算，数理之说源于民俗，仅供参考。"));
}

}  // namespace quillan::certificate
