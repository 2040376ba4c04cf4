#pragma once

#include <memory>

#include "chars/CharacterLookup.h"

namespace quillan::app {

class DataServiceConnection;

// The dictionary lookup over the window's data-service connection, which may not be up yet (then
// the service counts as unreachable); the lookup itself is the core's. A service that did not answer is
// told apart from a character it does not know, so that neither is taken for 0 strokes.
class ServiceCharacterLookup final : public chars::CharacterLookup {
 public:
  explicit ServiceCharacterLookup(std::shared_ptr<DataServiceConnection> connection);

  chars::LookupResult lookup(std::string_view character) override;

 private:
  std::shared_ptr<DataServiceConnection> connection_;
};

}  // namespace quillan::app
