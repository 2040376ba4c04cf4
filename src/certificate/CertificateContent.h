#pragma once

#include <QImage>
#include <QString>

#include "evaluate/Evaluation.h"

namespace quillan::certificate {

// What a certificate shows: the evaluation's texts (with the birth-date texts), its number and the
// photo (null for an empty frame).
struct CertificateContent {
  evaluate::EvaluationResult texts;
  QString number;
  QImage photo;
};

}  // namespace quillan::certificate
