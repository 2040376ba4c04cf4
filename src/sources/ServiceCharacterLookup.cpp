#include "sources/ServiceCharacterLookup.h"

#include "dataservice/DataServiceClient.h"
#include "dataservice/LookupQueries.h"
#include "sources/LookupColumns.h"

namespace quillan::sources {

chars::LookupResult ServiceCharacterLookup::lookup(std::string_view character) {
  const auto result = client_.runQueryDetailed(dataservice::characterLookupQuery(character));
  if (!result.answered) {
    return chars::LookupResult::unreachable(std::string(dataservice::failureText(result.failure)));
  }
  if (dataservice::dataRowCount(result.table) == 0) {
    return chars::LookupResult::notFound();
  }
  return chars::LookupResult::found(recordFromLookup(result.table), detailsFromLookup(result.table));
}

}  // namespace quillan::sources
