#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace quillan::app::certificate {

// What a certificate shows: the eleven evaluation texts (index 0 is slot 1: birth date, lunar date,
// four pillars, zodiac phrase, Nayin, name, character elements, three-talents elements, luck words,
// verdict, score), its number and the photo (null for an empty frame).
struct CertificateContent {
  std::array<QString, 11> texts;
  QString number;
  QImage photo;
};

}  // namespace quillan::app::certificate
