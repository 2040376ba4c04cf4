#include "app/AppDataService.h"

#include <exception>

#include "dataservice/ServiceEndpoint.h"
#include "dataservice/SubstitutionKey.h"
#include "service/EmbeddedDataService.h"

namespace quillan::app {

AppDataService::AppDataService(const AppConfig& config) {
  if (config.serviceBase.isEmpty()) {
    try {
      embedded_ = std::make_unique<service::EmbeddedDataService>();
      client_ = std::make_unique<dataservice::DataServiceClient>(embedded_->connect());
    } catch (const std::exception& error) {
      problem_ = QString::fromUtf8(error.what());
      return;
    }
  } else {
    const std::string key = config.serviceKey.toStdString();
    if (const auto bad = dataservice::keyProblem(dataservice::splitKeyText(key)); !bad.empty()) {
      problem_ = QString::fromStdString(bad);
      return;
    }
    std::string base = config.serviceBase.toStdString();
    if (base.back() != '/') {
      base.push_back('/');
    }
    client_ = std::make_unique<dataservice::DataServiceClient>(
        dataservice::initDataService(base, std::string(dataservice::kScriptPath), key));
  }
  if (!client_->connected()) {
    // The reports then say the service is unreachable; a client that never answered is no help.
    problem_ = QStringLiteral("数据服务没有应答");
    client_.reset();
  }
}

AppDataService::~AppDataService() = default;

}  // namespace quillan::app
