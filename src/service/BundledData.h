#pragma once

#include <filesystem>

namespace quillan::service {

// The data the programs carry: <prefix>/share/quillan beside <prefix>/bin, where the program runs
// from. The build tree has the same layout (<build>/bin, <build>/share/quillan), so a program finds
// its data the same way built and installed, and never by a path compiled into it.
std::filesystem::path bundledDataDirectory();
std::filesystem::path bundledDatabasePath();
std::filesystem::path bundledContentDirectory();

}  // namespace quillan::service
