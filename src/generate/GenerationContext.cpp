#include "generate/GenerationContext.h"

#include <vector>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"
#include "generate/CharacterFetch.h"

namespace quillan::generate {

ContextLookup lookupSurname(const CheckedRequest& run, chars::CharacterLookup& lookup) {
  GenerationContext context;
  context.surnameByteLength = static_cast<int>(common::gbkByteLength(run.request.surname).value_or(0));

  std::vector<int> strokes;
  std::vector<chars::LookupResult> surname;
  for (const auto& character : run.surnameCharacters) {
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched)};
    }
    strokes.push_back(fetched.found.record.strokeCount());
    context.surnameRecord =
        surname.empty() ? fetched.found.record : chars::mergeSurname(context.surnameRecord, fetched.found.record);
    surname.push_back(std::move(fetched.found));
  }
  context.surnamePinyin = common::joinText(chars::surnameReadings(surname, run.request.surname), " ");
  context.scoringState.computeHeavenGrid(strokes);

  if (run.placesGenerationChar()) {
    const auto& character = run.generationCharacter;
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched)};
    }
    context.generationCharRecord = std::move(fetched.found.record);
    // Details without readings come from a source that sends none (an older service).
    if (!fetched.found.details.readings.empty()) {
      context.generationCharLevel = fetched.found.details.tghLevel;
    }
  }
  return {std::move(context), {}};
}

}  // namespace quillan::generate
