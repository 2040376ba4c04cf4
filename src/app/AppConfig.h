#pragma once

#include <QString>

namespace quillan::app {

// Deployment configuration of the desktop program. Nothing the user does is saved; these values
// come from an INI file the installer or the administrator writes:
//   [app]     homepage=https://…
//   [service] base=http://host/path/   key=…
// Empty values mean: no home page, and the embedded data service.
struct AppConfig {
  QString homePage;
  QString serviceBase;
  QString serviceKey;

  // Reads the file; a missing file or key leaves the value empty.
  static AppConfig fromFile(const QString& path);
  // The file named by QUILLAN_CONFIG, else quillan/quillan.ini in the usual configuration folders;
  // an empty configuration when there is none.
  static AppConfig fromEnvironment();
};

}  // namespace quillan::app
