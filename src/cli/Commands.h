#pragma once

#include <CLI/CLI.hpp>

namespace quillan::cli {

// Exit codes shared by the subcommands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitServiceUnreachable = 3;
inline constexpr int kExitNotFound = 4;

// Adds every subcommand to the application.
void registerCommands(CLI::App& app);

}  // namespace quillan::cli
