#include "certificate/CertificateImageFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdio>
#include <memory>

#include "certificate/CertificateImageWriter.h"
#include "certificate/CertificateRenderer.h"

namespace quillan::certificate {
namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fonts and painting on images need a QGuiApplication; a command-line run has none and may have no
// display, so it gets one on the offscreen platform unless the caller chose a platform.
std::unique_ptr<QGuiApplication> guiApplicationIfNone() {
  if (QCoreApplication::instance() != nullptr) {
    return nullptr;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "quillan";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// Qt's start-up chatter (such as a missing XDG_RUNTIME_DIR) is not for a command-line user; real
// failures come back as reasons.
class QuietQt {
 public:
  QuietQt()
      : previous_(qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
          if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
          }
        })) {}
  ~QuietQt() { qInstallMessageHandler(previous_); }
  QuietQt(const QuietQt&) = delete;
  QuietQt& operator=(const QuietQt&) = delete;

 private:
  QtMessageHandler previous_;
};

}  // namespace

bool isCertificateImagePath(const std::string& path) { return formatOfExtension(fromUtf8(path)).has_value(); }

std::optional<std::string> saveCertificateImage(const CertificateImageRequest& request, const std::string& path) {
  const QString target = fromUtf8(path);
  const auto format = formatOfExtension(target);
  if (!format) {
    return "不支持的图片格式：" + path + "（可用 bmp、jpg、gif、png、tiff）";
  }
  const QuietQt quiet;
  const auto application = guiApplicationIfNone();
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
