#include "generate/CharacterFetch.h"

#include "generate/GenerationMessages.h"

namespace quillan::generate {

FetchedCharacter fetchCharacter(chars::CharacterLookup& lookup, std::string_view character) {
  auto result = lookup.lookup(character);
  switch (result.status) {
    case chars::LookupStatus::Unreachable:
      return {GenerationStatus::ServiceUnreachable, {}};
    case chars::LookupStatus::NotFound:
      return {GenerationStatus::CharacterNotFound, {}};
    case chars::LookupStatus::Found:
      break;
  }
  if (result.record.strokeCount() <= 0) {
    return {GenerationStatus::CharacterNotFound, {}};
  }
  return {GenerationStatus::Completed, std::move(result.record)};
}

GenerationOutcome fetchFailure(GenerationStatus status, std::string_view character) {
  GenerationOutcome outcome;
  outcome.status = status;
  outcome.message =
      status == GenerationStatus::ServiceUnreachable ? std::string(kServiceUnreachable) : notFoundMessage(character);
  return outcome;
}

}  // namespace quillan::generate
