#include "cli/Commands.h"

#include "cli/ServiceConnection.h"

namespace quillan::cli {

void addListsCommand(CLI::App& app);
void addCharCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service);
void addScoreCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service);
void addGenerateCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service);
void addCalendarCommand(CLI::App& app);
void addBaziCommand(CLI::App& app);
void addFolkCommand(CLI::App& app);
void addCertificateCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service);
void addGrowthCommand(CLI::App& app);
void addShortlistCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service);

void registerCommands(CLI::App& app) {
  app.require_subcommand(0, 1);
  const auto service = addServiceOptions(app);  // --service/--key, for every command that queries
  addListsCommand(app);
  addCharCommand(app, service);
  addScoreCommand(app, service);
  addGenerateCommand(app, service);
  addCalendarCommand(app);
  addBaziCommand(app);
  addFolkCommand(app);
  addCertificateCommand(app, service);
  addGrowthCommand(app);
  addShortlistCommand(app, service);
}

}  // namespace quillan::cli
