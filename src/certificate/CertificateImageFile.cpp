#include "certificate/CertificateImageFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdio>
#include <memory>

#include "certificate/CertificateImageWriter.h"
#include "certificate/CertificateRenderer.h"
#include "offscreen/OffscreenGui.h"

namespace quillan::certificate {
namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool isCertificateImagePath(const std::string& path) { return formatOfExtension(fromUtf8(path)).has_value(); }

std::optional<std::string> saveCertificateImage(const CertificateImageRequest& request, const std::string& path) {
  const QString target = fromUtf8(path);
  const auto format = formatOfExtension(target);
  if (!format) {
    return "不支持的图片格式：" + path + "（可用 bmp、jpg、gif、png、tiff）";
  }
  const offscreen::OffscreenGui gui;
  CertificateContent content;
  content.texts = request.texts;
  content.number = fromUtf8(request.number);
  if (!request.photoPath.empty()) {
    QImageReader reader(fromUtf8(request.photoPath));
    reader.setAutoTransform(true);
    content.photo = reader.read();
    if (content.photo.isNull()) {
      return "无法读取图片：" + request.photoPath + "：" + reader.errorString().toStdString();
    }
  }
  if (const auto problem = writeImage(CertificateRenderer::render(content, 2.0), target, *format)) {
    return problem->toStdString();
  }
  return std::nullopt;
}

}  // namespace quillan::certificate
