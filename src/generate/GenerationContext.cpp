#include "generate/GenerationContext.h"

#include <vector>

#include "common/GbkCodec.h"
#include "generate/CharacterFetch.h"
#include "generate/RequestCheck.h"

namespace quillan::generate {

ContextLookup lookupSurname(const GenerationRequest& request, chars::CharacterLookup& lookup) {
  GenerationContext context;
  context.surnameByteLength = static_cast<int>(common::gbkByteLength(request.surname).value_or(0));

  std::vector<int> strokes;
  for (const auto& character : splitCharacters(request.surname)) {
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched.status, character)};
    }
    strokes.push_back(fetched.record.strokeCount());
    context.surnameRecord =
        strokes.size() == 1 ? std::move(fetched.record) : chars::mergeSurname(context.surnameRecord, fetched.record);
  }
  context.scoringState.computeHeavenGrid(strokes);

  if (usesGenerationChar(request)) {
    const auto& character = generationCharText(request);
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched.status, character)};
    }
    context.generationCharRecord = std::move(fetched.record);
  }
  return {std::move(context), {}};
}

}  // namespace quillan::generate
