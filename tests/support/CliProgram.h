#pragma once

#include <string>
#include <vector>

#include "Subprocess.h"

namespace quillan::cli::testing {

// What a run of quillan-cli printed and how it ended.
struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs quillan-cli (QUILLAN_CLI_PROGRAM) with a subcommand and its arguments.
inline ProgramResult runCliProgram(const std::string& subcommand, std::vector<std::string> args) {
  args.insert(args.begin(), {QUILLAN_CLI_PROGRAM, subcommand});
  service::testing::Subprocess program(args);
  ProgramResult result;
  result.out = program.restOfOutput();
  result.err = program.errorOutput();
  result.exitCode = program.wait();
  return result;
}

}  // namespace quillan::cli::testing
