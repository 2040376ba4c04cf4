#include "cli/ServiceConnection.h"

#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "service/EmbeddedDataService.h"

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
  if (options.url.empty()) {
    if (!options.key.empty()) {
      failCommand(kExitBadInput, "--key belongs to --service; the embedded service draws its own");
    }
    try {
      embedded_ = std::make_unique<service::EmbeddedDataService>();
    } catch (const std::exception& error) {
      failCommand(kExitServiceUnreachable, std::string("cannot start the embedded data service: ") + error.what());
    }
    description_ = "the embedded data service at " + embedded_->baseAddress();
    client_ = std::make_unique<dataservice::DataServiceClient>(embedded_->connect());
  } else {
    if (options.key.empty()) {
      failCommand(kExitBadInput, "--service needs the service's --key");
    }
    if (const auto problem = dataservice::keyProblem(dataservice::splitKeyText(options.key)); !problem.empty()) {
      failCommand(kExitBadInput, "--key: " + problem);
    }
    std::string base = options.url;
    if (base.back() != '/') {
      base.push_back('/');
    }
    description_ = "the data service at " + base;
    client_ = std::make_unique<dataservice::DataServiceClient>(
        dataservice::initDataService(base, std::string(dataservice::kScriptPath), options.key));
  }
  if (!client_->connected()) {
    failCommand(kExitServiceUnreachable, "cannot reach " + description_ + " (it did not answer the clock request)");
  }
}

ServiceConnection::~ServiceConnection() = default;

}  // namespace quillan::cli
