#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "app/ApplicationSetup.h"
#include "app/CommandLine.h"
#include "app/DataCheck.h"
#include "app/MainWindow.h"
#include "common/Version.h"

int main(int argc, char** argv) {
  // Answered before Qt looks for a display, so that they work on a machine without one.
  switch (quillan::app::windowActionOf(argc, argv)) {
    case quillan::app::WindowAction::ShowHelp:
      std::cout << quillan::app::windowHelpText();
      return 0;
    case quillan::app::WindowAction::ShowVersion:
      std::cout << "quillan " << quillan::common::programVersion() << "\n";
      return 0;
    case quillan::app::WindowAction::CheckData: {
      const QCoreApplication core(argc, argv);
      return quillan::app::checkData(quillan::app::AppConfig::fromEnvironment(), std::cout, std::cerr);
    }
    case quillan::app::WindowAction::OpenWindow:
      break;
  }
  QApplication application(argc, argv);
  quillan::app::prepareApplication(application);
  quillan::app::MainWindowOptions options;
  options.config = quillan::app::AppConfig::fromEnvironment();
  quillan::app::MainWindow window(std::move(options));
  window.show();
  return QApplication::exec();
}
