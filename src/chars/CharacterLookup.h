#pragma once

#include <string_view>

#include "chars/CharRecord.h"

namespace quillan::chars {

// How one dictionary lookup ended: a record, no such character, or no answer at all.
enum class LookupStatus { Found, NotFound, Unreachable };

struct LookupResult {
  LookupStatus status = LookupStatus::NotFound;
  CharRecord record;  // filled only when Found
};

// The dictionary lookup of one character, passed in to whoever needs records (generation, the
// report) so that they never reach a service themselves and tests can answer from memory.
class CharacterLookup {
 public:
  virtual ~CharacterLookup() = default;

  // One character as UTF-8 text.
  virtual LookupResult lookup(std::string_view character) = 0;

 protected:
  CharacterLookup() = default;
  CharacterLookup(const CharacterLookup&) = default;
  CharacterLookup& operator=(const CharacterLookup&) = default;
};

}  // namespace quillan::chars
