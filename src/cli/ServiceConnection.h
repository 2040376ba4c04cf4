#pragma once

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "dataservice/DataServiceClient.h"
#include "session/DataServiceSession.h"

namespace quillan::cli {

// The global options that choose the data service: a remote one by its base address and key, or
// (without them) the service embedded in the program.
struct ServiceOptions {
  std::string url;
  std::string key;
};

// Adds --service URL and --key KEY to the application (given before the subcommand); every
// subcommand that queries the service keeps the returned options for its ServiceConnection.
std::shared_ptr<ServiceOptions> addServiceOptions(CLI::App& app);

// A client connected to the chosen data service, for any subcommand that needs one: the remote
// service of --service, else the embedded one started for this run (stopped on destruction).
// A service that cannot be started or reached ends the command with exit code 3; wrong options
// end it with exit code 2.
class ServiceConnection {
 public:
  explicit ServiceConnection(const ServiceOptions& options);

  dataservice::DataServiceClient& client() { return session_->client(); }

  // Where the client goes, for messages.
  const std::string& description() const { return session_->description(); }

 private:
  std::unique_ptr<session::DataServiceSession> session_;
};

}  // namespace quillan::cli
