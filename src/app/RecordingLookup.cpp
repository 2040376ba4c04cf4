#include "app/RecordingLookup.h"

namespace quillan::app {

chars::LookupResult RecordingLookup::lookup(std::string_view character) {
  auto result = inner_.lookup(character);
  record_->record(result.status != chars::LookupStatus::Unreachable);
  return result;
}

}  // namespace quillan::app
