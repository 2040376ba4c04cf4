#pragma once

#include <optional>
#include <string>

#include "evaluate/Evaluation.h"

namespace quillan::certificate {

// A certificate for a front end without windows, in plain strings (UTF-8).
struct CertificateImageRequest {
  evaluate::EvaluationResult texts;  // with the birth-date texts
  std::string number;                // 18 digits, each followed by a blank
  std::string photoPath;             // empty for an empty photo frame
};

// True when the path's extension names a format a certificate is saved in (bmp, jpg, jpeg, gif, png,
// tiff, tif).
bool isCertificateImagePath(const std::string& path);

// Draws the certificate as the window does and writes it, at twice the on-screen resolution, in the
// format the path's extension names. Needs no display: without a running Qt application it starts
// one on the offscreen platform for the call. The reason on failure (unreadable photo, unknown
// extension, failed write).
std::optional<std::string> saveCertificateImage(const CertificateImageRequest& request, const std::string& path);

}  // namespace quillan::certificate
