#include "app/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quillan::app {

QPixmap Pictures::render(const QString& resource, QSize size, qreal pixelRatio) {
  QSvgRenderer renderer(resource);
  QPixmap pixmap(size * pixelRatio);
  pixmap.setDevicePixelRatio(pixelRatio);
  pixmap.fill(Qt::transparent);
  if (!renderer.isValid()) {
    return pixmap;
  }
  const QSizeF natural = renderer.defaultSize();
  QSizeF fitted = natural.scaled(QSizeF(size), Qt::KeepAspectRatio);
  const QRectF target((size.width() - fitted.width()) / 2.0, (size.height() - fitted.height()) / 2.0, fitted.width(),
                      fitted.height());
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, target);
  return pixmap;
}

QIcon Pictures::appIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(render(QStringLiteral(":/images/quillan.svg"), QSize(side, side), 1.0));
  }
  return icon;
}

QIcon Pictures::toolIcon(const QString& name) {
  const QString resource = QStringLiteral(":/images/tool-%1.svg").arg(name);
  QIcon icon;
  for (const int side : {24, 32, 48, 64}) {
    icon.addPixmap(render(resource, QSize(side, side), 1.0));
  }
  return icon;
}

QPixmap Pictures::defaultPhoto(QSize size, qreal pixelRatio) {
  return render(QStringLiteral(":/images/default-photo.svg"), size, pixelRatio);
}

}  // namespace quillan::app
