#include "cli/Commands.h"

namespace quillan::cli {

void addListsCommand(CLI::App& app);
void addCalendarCommand(CLI::App& app);

void registerCommands(CLI::App& app) {
  app.require_subcommand(0, 1);
  addListsCommand(app);
  addCalendarCommand(app);
}

}  // namespace quillan::cli
