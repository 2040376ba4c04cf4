#pragma once

#include <future>
#include <memory>
#include <string>

#include "app/AppConfig.h"

namespace quillan::dataservice {
class DataServiceClient;
}
namespace quillan::service {
class EmbeddedDataService;
}

namespace quillan::app {

// The program's connection to the data service: the remote service of the configuration, or else
// the service embedded in the program (loopback, bundled database). Connecting (start, clock
// fetch) runs on a thread of its own so that a slow or absent remote service cannot freeze the
// window; whoever needs the client waits for it on their own thread.
class DataServiceConnection {
 public:
  explicit DataServiceConnection(const AppConfig& config);
  ~DataServiceConnection();
  DataServiceConnection(const DataServiceConnection&) = delete;
  DataServiceConnection& operator=(const DataServiceConnection&) = delete;

  // Blocks until connecting has ended; the client, or nullptr when the service could not be had.
  dataservice::DataServiceClient* client();
  bool ready() const;
  // Why there is no client (empty while connecting or when connected).
  std::string problem();
  // The service's base address, under which the content pages lie ("http://127.0.0.1:…/"); empty
  // when the embedded service could not start.
  std::string baseAddress();
  // "the embedded data service at http://127.0.0.1:…/" or the remote address.
  std::string description();

 private:
  void connect(AppConfig config);

  std::unique_ptr<service::EmbeddedDataService> embedded_;
  std::unique_ptr<dataservice::DataServiceClient> client_;
  std::string problem_;
  std::string baseAddress_;
  std::string description_;
  std::shared_future<void> done_;
};

}  // namespace quillan::app
