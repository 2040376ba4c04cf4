#include "app/CommandLine.h"

#include <string_view>

namespace quillan::app {

WindowAction windowActionOf(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      return WindowAction::ShowHelp;
    }
    if (argument == "--version") {
      return WindowAction::ShowVersion;
    }
    if (argument == "--check") {
      return WindowAction::CheckData;
    }
  }
  return WindowAction::OpenWindow;
}

std::string windowHelpText() {
  return "quillan: the Quillan desktop program. Generates Chinese given names for a surname by\n"
         "stroke-count numerology, scores a name in a detailed report and draws a naming certificate.\n"
         "The numerology is folk custom, shown for entertainment.\n"
         "\n"
         "Usage: quillan [OPTIONS] [Qt options such as -platform offscreen]\n"
         "\n"
         "Options:\n"
         "  -h,--help    Print this help and exit\n"
         "  --version    Print the version and exit\n"
         "  --check      Find the data and reach the data service as the window would, say which\n"
         "               service answered, and exit without opening a window (0 when all is found)\n"
         "\n"
         "Data: the database and the pages in <prefix>/share/quillan beside the program's bin/.\n"
         "Configuration: the INI file named by QUILLAN_CONFIG, else ~/.config/quillan/quillan.ini:\n"
         "  [service] base=http://host:port/path/ key=a,b,...   a shared data service (without it\n"
         "            the program starts its own, embedded one on 127.0.0.1)\n"
         "  [app] homepage=https://...                          the page the home-page command opens\n";
}

}  // namespace quillan::app
