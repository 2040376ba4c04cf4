#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace quillan::app {

// The program's own pictures, drawn as SVG and rendered at the screen's pixel ratio so that they
// stay sharp at 2x.
class Pictures {
 public:
  // The application icon (window, notification area).
  static QIcon appIcon();
  // A toolbar icon by name: "generate", "score", "certificate", "folk", "fate", "more".
  static QIcon toolIcon(const QString& name);
  // The certificate's default photo, fitted into size (logical pixels).
  static QPixmap defaultPhoto(QSize size, qreal pixelRatio);
  // Any picture of the resources, fitted into size keeping its aspect ratio.
  static QPixmap render(const QString& resource, QSize size, qreal pixelRatio);
};

}  // namespace quillan::app
