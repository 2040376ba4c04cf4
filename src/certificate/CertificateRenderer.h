#pragma once

#include <QImage>
#include <QSize>

#include "certificate/CertificateContent.h"

class QPainter;

namespace quillan::certificate {

// Draws the naming certificate: border, title, seal, photo frame, the labelled texts, the number and
// the score. Needs only QtGui, so that a front end without windows can render it too.
class CertificateRenderer {
 public:
  // The certificate's size on screen, in logical pixels.
  static QSize logicalSize() { return {900, 620}; }

  // The certificate at scale times its logical size (2 for the saved image).
  static QImage render(const CertificateContent& content, qreal scale);

  // Paints into a painter whose coordinates are the logical size.
  static void paint(QPainter& painter, const CertificateContent& content);
};

}  // namespace quillan::certificate
