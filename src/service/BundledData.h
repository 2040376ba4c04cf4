#pragma once

#include <filesystem>

namespace quillan::service {

// The database built from data/ and the content directory, as installed beside the program
// (<prefix>/share/quillan/) or, for a program run from its build tree, where the build left them.
std::filesystem::path bundledDatabasePath();
std::filesystem::path bundledContentDirectory();

}  // namespace quillan::service
