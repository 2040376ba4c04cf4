#include "service/EmbeddedDataService.h"

#include "common/RandomGenerator.h"
#include "service/BundledData.h"

namespace quillan::service {

EmbeddedDataService::EmbeddedDataService(EmbeddedOptions options) {
  common::RandomGenerator random(common::RandomGenerator::tickSeed());
  keyText_ = dataservice::keyText(dataservice::drawKey(random));

  ServiceConfig config;
  config.host = "127.0.0.1";
  config.port = 0;
  config.databasePath = options.databasePath.empty() ? bundledDatabasePath() : options.databasePath;
  config.contentDirectory = options.contentDirectory.empty() ? bundledContentDirectory() : options.contentDirectory;
  config.keyText = keyText_;
  config.limits.maxConnections = options.maxConnections;
  server_ = std::make_unique<DataServiceServer>(std::move(config));
  for (auto& [path, generator] : options.generatedPages) {
    server_->contentPages().addGenerator(path, std::move(generator));
  }
  server_->start();
}

EmbeddedDataService::~EmbeddedDataService() = default;

dataservice::ServiceEndpoint EmbeddedDataService::connect(const dataservice::ExchangeOptions& options) const {
  return dataservice::initDataService(baseAddress(), std::string(dataservice::kScriptPath), keyText_, options);
}

}  // namespace quillan::service
