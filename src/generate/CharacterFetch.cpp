#include "generate/CharacterFetch.h"

namespace quillan::generate {

FetchedCharacter fetchCharacter(chars::CharacterLookup& lookup, std::string_view character) {
  auto result = lookup.lookup(character);
  if (chars::hasStrokes(result)) {
    return {GenerationStatus::Completed, std::move(result), {}};
  }
  const auto status = result.status == chars::LookupStatus::Unreachable ? GenerationStatus::ServiceUnreachable
                                                                        : GenerationStatus::CharacterNotFound;
  return {status, {}, chars::lookupFailureMessage(result, character)};
}

GenerationOutcome fetchFailure(const FetchedCharacter& fetched) {
  GenerationOutcome outcome;
  outcome.status = fetched.status;
  outcome.message = fetched.message;
  return outcome;
}

}  // namespace quillan::generate
