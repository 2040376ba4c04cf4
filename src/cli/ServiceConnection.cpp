#include "cli/ServiceConnection.h"

#include "cli/CommandFailure.h"
#include "cli/Commands.h"

namespace quillan::cli {

std::shared_ptr<ServiceOptions> addServiceOptions(CLI::App& app) {
  auto options = std::make_shared<ServiceOptions>();
  app.add_option("--service", options->url,
                 "Base address of a remote data service, such as http://host:8080/ (default: the service\n"
                 "embedded in the program, on 127.0.0.1 with the bundled database)");
  app.add_option("--key", options->key, "The remote service's key: 11 distinct lowercase letters joined by \",\"");
  return options;
}

ServiceConnection::ServiceConnection(const ServiceOptions& options) {
  if (options.url.empty() && !options.key.empty()) {
    failCommand(kExitBadInput, "--key belongs to --service; the embedded service draws its own");
  }
  if (!options.url.empty() && options.key.empty()) {
    failCommand(kExitBadInput, "--service needs the service's --key");
  }
  session::SessionOptions chosen;
  chosen.serviceBase = options.url;
  chosen.serviceKey = options.key;
  auto opening = session::DataServiceSession::open(chosen);
  if (!opening.session) {
    switch (opening.problem) {
      case session::SessionProblem::BadOptions:
        failCommand(kExitBadInput, "--key: " + opening.reason);
      case session::SessionProblem::CannotStart:
        failCommand(kExitServiceUnreachable, "cannot start the embedded data service: " + opening.reason);
      case session::SessionProblem::Unreachable:
        break;
    }
    failCommand(kExitServiceUnreachable, "cannot reach " + opening.description +
                                             " (it did not answer the clock request: " + opening.reason + ")");
  }
  session_ = std::move(opening.session);
}

}  // namespace quillan::cli
