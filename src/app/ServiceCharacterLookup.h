#pragma once

#include <memory>

#include "chars/CharacterLookup.h"

namespace quillan::app {

class DataServiceConnection;

// The dictionary lookup over the data service: the character statement of the protocol, the
// record from columns 2, 3, 4, 5 and 9 of the first data row. A service that did not answer is
// told apart from a character it does not know, so that neither is taken for 0 strokes.
class ServiceCharacterLookup final : public chars::CharacterLookup {
 public:
  explicit ServiceCharacterLookup(std::shared_ptr<DataServiceConnection> connection);

  chars::LookupResult lookup(std::string_view character) override;

 private:
  std::shared_ptr<DataServiceConnection> connection_;
};

}  // namespace quillan::app
