// quillan-cli generate --surname 李 [--mode …]: the Generate command without a window. The options
// mirror the window's selections, so the same selections give the same rows in both.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/Commands.h"
#include "cli/GenerateOptions.h"
#include "cli/GenerateRun.h"
#include "cli/ServiceConnection.h"
#include "common/LocalTime.h"
#include "sources/ServiceCharacterLookup.h"

namespace quillan::cli {
namespace {

// The data service opens when the first character is looked up, and closes with the command.
struct ServiceLookup {
  std::optional<ServiceConnection> connection;
  std::optional<sources::ServiceCharacterLookup> lookup;
};

}  // namespace

void addGenerateCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command = app.add_subcommand("generate", "Generate given names for a surname, as the window's 生成 does");
  auto options = std::make_shared<GenerateOptions>();
  addGenerateOptions(*command, *options);
  command->callback([options, service] {
    ServiceLookup opened;
    const LookupProvider provider = [&]() -> chars::CharacterLookup& {
      if (!opened.lookup) {
        opened.connection.emplace(*service);
        opened.lookup.emplace(opened.connection->client());
      }
      return *opened.lookup;
    };
    const int code =
        runGenerateCommand(*options, common::localNow(), chars::loadBuiltInLists(), provider, std::cout, std::cerr);
    std::cout.flush();
    if (code != kExitOk) {
      throw CLI::RuntimeError(code);  // runGenerateCommand has said why on stderr
    }
  });
}

}  // namespace quillan::cli
