#pragma once

#include <memory>

#include "app/RequestRecord.h"
#include "chars/CharacterLookup.h"

namespace quillan::app {

// A lookup that notes in a RequestRecord whether the service answered (found or not found) or not.
class RecordingLookup : public chars::CharacterLookup {
 public:
  RecordingLookup(chars::CharacterLookup& inner, std::shared_ptr<RequestRecord> record)
      : inner_(inner), record_(std::move(record)) {}

  chars::LookupResult lookup(std::string_view character) override;

 private:
  chars::CharacterLookup& inner_;
  std::shared_ptr<RequestRecord> record_;
};

}  // namespace quillan::app
