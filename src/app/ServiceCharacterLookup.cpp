#include "app/ServiceCharacterLookup.h"

#include "app/DataServiceConnection.h"
#include "dataservice/DataServiceClient.h"
#include "dataservice/LookupQueries.h"

namespace quillan::app {

ServiceCharacterLookup::ServiceCharacterLookup(std::shared_ptr<DataServiceConnection> connection)
    : connection_(std::move(connection)) {}

chars::LookupResult ServiceCharacterLookup::lookup(std::string_view character) {
  dataservice::DataServiceClient* client = connection_->client();
  if (client == nullptr) {
    return {chars::LookupStatus::Unreachable, {}};
  }
  const dataservice::QueryResult reply = client->runQueryDetailed(dataservice::characterLookupQuery(character));
  if (!reply.answered) {
    return {chars::LookupStatus::Unreachable, {}};
  }
  if (dataservice::dataRowCount(reply.table) < 1) {
    return {chars::LookupStatus::NotFound, {}};
  }
  return {chars::LookupStatus::Found, chars::recordFromLookup(reply.table)};
}

}  // namespace quillan::app
