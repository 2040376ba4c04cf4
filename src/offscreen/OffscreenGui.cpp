#include "offscreen/OffscreenGui.h"

#include <cstdio>

namespace quillan::offscreen {

OffscreenGui::OffscreenGui() {
  if (QCoreApplication::instance() != nullptr) {
    return;
  }
  previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", qPrintable(text));
    }
  });
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "quillan";
  static char* argv[] = {name, nullptr};
  application_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenGui::~OffscreenGui() {
  if (application_) {
    application_.reset();
    qInstallMessageHandler(previous_);
  }
}

}  // namespace quillan::offscreen
