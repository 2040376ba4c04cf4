#pragma once

#include "chars/CharacterLookup.h"

namespace quillan::dataservice {
class DataServiceClient;
}

namespace quillan::sources {

// The dictionary lookup over the data service, with the statement the service recognises. A
// service that did not answer is told apart from a character it does not know, so that neither is
// taken for 0 strokes.
class ServiceCharacterLookup final : public chars::CharacterLookup {
 public:
  explicit ServiceCharacterLookup(dataservice::DataServiceClient& client) : client_(client) {}
  chars::LookupResult lookup(std::string_view character) override;

 private:
  dataservice::DataServiceClient& client_;
};

}  // namespace quillan::sources
