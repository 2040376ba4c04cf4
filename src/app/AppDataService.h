#pragma once

#include <QString>
#include <memory>

#include "app/AppConfig.h"
#include "dataservice/DataServiceClient.h"

namespace quillan::service {
class EmbeddedDataService;
}

namespace quillan::app {

// The window's data service: the remote one when the configuration names it, else the service
// embedded in the program. Without a client the reports say that the service cannot be reached.
class AppDataService {
 public:
  explicit AppDataService(const AppConfig& config);
  ~AppDataService();
  AppDataService(const AppDataService&) = delete;
  AppDataService& operator=(const AppDataService&) = delete;

  // Null when the service could not be started or configured.
  dataservice::DataServiceClient* client() const { return client_.get(); }
  // Why there is no client.
  const QString& problem() const { return problem_; }

 private:
  std::unique_ptr<service::EmbeddedDataService> embedded_;
  std::unique_ptr<dataservice::DataServiceClient> client_;
  QString problem_;
};

}  // namespace quillan::app
