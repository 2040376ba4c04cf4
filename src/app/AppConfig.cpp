#include "app/AppConfig.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillan::app {

AppConfig AppConfig::fromFile(const QString& path) {
  AppConfig config;
  if (!QFileInfo::exists(path)) {
    return config;
  }
  const QSettings ini(path, QSettings::IniFormat);
  config.homePage = ini.value(QStringLiteral("app/homepage")).toString().trimmed();
  config.serviceBase = ini.value(QStringLiteral("service/base")).toString().trimmed();
  config.serviceKey = ini.value(QStringLiteral("service/key")).toString();
  return config;
}

AppConfig AppConfig::fromEnvironment() {
  const QString named = qEnvironmentVariable("QUILLAN_CONFIG");
  if (!named.isEmpty()) {
    return fromFile(named);
  }
  const QString found =
      QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("quillan/quillan.ini"));
  return found.isEmpty() ? AppConfig{} : fromFile(found);
}

}  // namespace quillan::app
