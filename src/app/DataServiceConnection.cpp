#include "app/DataServiceConnection.h"

#include "content/ContentService.h"
#include "dataservice/DataServiceClient.h"
#include "dataservice/SubstitutionKey.h"
#include "service/EmbeddedDataService.h"

namespace quillan::app {

DataServiceConnection::DataServiceConnection(const AppConfig& config) {
  done_ = std::async(std::launch::async, [this, config] { connect(config); }).share();
}

DataServiceConnection::~DataServiceConnection() {
  if (done_.valid()) {
    done_.wait();
  }
}

void DataServiceConnection::connect(AppConfig config) {
  try {
    if (config.serviceBase.isEmpty()) {
      // The content pages come with it: the menus' pages are served under its tovka/.
      embedded_ = std::make_unique<service::EmbeddedDataService>(content::withContentPages({}));
      baseAddress_ = embedded_->baseAddress();
      description_ = "the embedded data service at " + embedded_->baseAddress();
      client_ = std::make_unique<dataservice::DataServiceClient>(embedded_->connect());
    } else {
      std::string base = config.serviceBase.toStdString();
      if (base.back() != '/') {
        base.push_back('/');
      }
      baseAddress_ = base;
      description_ = "the data service at " + base;
      const std::string key = config.serviceKey.toStdString();
      if (const auto problem = dataservice::keyProblem(dataservice::splitKeyText(key)); !problem.empty()) {
        problem_ = "the configured service key is not usable: " + problem;
        return;
      }
      client_ = std::make_unique<dataservice::DataServiceClient>(
          dataservice::initDataService(base, std::string(dataservice::kScriptPath), key));
    }
    if (!client_->connected()) {
      problem_ = description_ + " did not answer";
      client_.reset();
    }
  } catch (const std::exception& error) {
    problem_ = std::string("the data service could not be started: ") + error.what();
    client_.reset();
  }
}

dataservice::DataServiceClient* DataServiceConnection::client() {
  done_.wait();
  return client_.get();
}

bool DataServiceConnection::ready() const {
  return done_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

std::string DataServiceConnection::problem() {
  done_.wait();
  return problem_;
}

std::string DataServiceConnection::baseAddress() {
  done_.wait();
  return baseAddress_;
}

std::string DataServiceConnection::description() {
  done_.wait();
  return description_;
}

}  // namespace quillan::app
