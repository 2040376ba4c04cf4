#pragma once

#include <iosfwd>

#include "app/AppConfig.h"

namespace quillan::app {

// `quillan --check`: reaches the data service the window would use (the configured one, else the
// embedded one with the installed database), looks up a character and an 81-number text through it,
// and loads the built-in name lists. Says what it found on `out`, or why not on `err`; returns the
// exit code, 0 when everything was found.
int checkData(const AppConfig& config, std::ostream& out, std::ostream& err);

}  // namespace quillan::app
