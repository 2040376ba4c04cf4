#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QFont>

#include "app/Pictures.h"

// Resources of a static library must be registered by name, outside any namespace.
static void initResources() { Q_INIT_RESOURCE(app); }

namespace quillan::app {

void prepareApplication(QApplication& application) {
  initResources();
  QApplication::setApplicationName(QStringLiteral("Quillan"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillan"));
  QApplication::setOrganizationName(QStringLiteral("Quillan"));
  QApplication::setDesktopFileName(QStringLiteral("quillan"));
  QApplication::setWindowIcon(Pictures::appIcon());
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(10.0);
  font.setStyleStrategy(QFont::PreferAntialias);
  application.setFont(font);
}

}  // namespace quillan::app
