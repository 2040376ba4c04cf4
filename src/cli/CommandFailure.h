#pragma once

#include <iostream>
#include <string_view>

#include <CLI/CLI.hpp>

namespace quillan::cli {

// Ends a subcommand: says why on stderr and leaves with the given exit code (main returns it).
[[noreturn]] inline void failCommand(int exitCode, std::string_view message) {
  std::cerr << "quillan-cli: " << message << '\n';
  throw CLI::RuntimeError(exitCode);
}

}  // namespace quillan::cli
