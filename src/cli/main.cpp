#include <CLI/CLI.hpp>

#include "cli/Commands.h"
#include "common/Version.h"

int main(int argc, char** argv) {
  CLI::App app{"Quillan: Chinese given names by stroke-count numerology (the core without a window)", "quillan-cli"};
  app.set_version_flag("--version", "quillan-cli " + std::string(quillan::common::programVersion()));
  quillan::cli::registerCommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::RuntimeError& failure) {
    return failure.get_exit_code();  // a subcommand's own exit code; it has said why on stderr
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : quillan::cli::kExitBadInput;
  }
  if (app.get_subcommands().empty()) {
    std::cout << app.help();
  }
  return 0;
}
