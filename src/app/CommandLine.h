#pragma once

#include <string>

namespace quillan::app {

// What the desktop program was asked to do before any window exists. Options it does not know
// stay for Qt (-platform, -style, …).
enum class WindowAction { OpenWindow, ShowHelp, ShowVersion, CheckData };

WindowAction windowActionOf(int argc, const char* const* argv);

// The text of `quillan --help`, from which its man page is made.
std::string windowHelpText();

}  // namespace quillan::app
