#include <QApplication>

#include "app/ApplicationSetup.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quillan::app::prepareApplication(application);
  quillan::app::MainWindowOptions options;
  options.config = quillan::app::AppConfig::fromEnvironment();
  quillan::app::MainWindow window(std::move(options));
  window.show();
  return QApplication::exec();
}
