#include "app/ServiceCharacterLookup.h"

#include "app/DataServiceConnection.h"
#include "dataservice/DataServiceClient.h"
#include "evaluate/ServiceSources.h"

namespace quillan::app {

ServiceCharacterLookup::ServiceCharacterLookup(std::shared_ptr<DataServiceConnection> connection)
    : connection_(std::move(connection)) {}

chars::LookupResult ServiceCharacterLookup::lookup(std::string_view character) {
  dataservice::DataServiceClient* client = connection_->client();
  if (client == nullptr) {
    return {chars::LookupStatus::Unreachable, {}};
  }
  return evaluate::ServiceCharacterLookup(*client).lookup(character);
}

}  // namespace quillan::app
