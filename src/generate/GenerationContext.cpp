#include "generate/GenerationContext.h"

#include <vector>

#include "common/GbkCodec.h"
#include "generate/CharacterFetch.h"

namespace quillan::generate {

ContextLookup lookupSurname(const CheckedRequest& run, chars::CharacterLookup& lookup) {
  GenerationContext context;
  context.surnameByteLength = static_cast<int>(common::gbkByteLength(run.request.surname).value_or(0));

  std::vector<int> strokes;
  for (const auto& character : run.surnameCharacters) {
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched)};
    }
    strokes.push_back(fetched.record.strokeCount());
    context.surnamePinyin += (context.surnamePinyin.empty() ? "" : " ") + fetched.record.pinyin;
    context.surnameRecord =
        strokes.size() == 1 ? std::move(fetched.record) : chars::mergeSurname(context.surnameRecord, fetched.record);
  }
  context.scoringState.computeHeavenGrid(strokes);

  if (run.placesGenerationChar()) {
    const auto& character = run.generationCharacter;
    auto fetched = fetchCharacter(lookup, character);
    if (fetched.status != GenerationStatus::Completed) {
      return {std::nullopt, fetchFailure(fetched)};
    }
    context.generationCharRecord = std::move(fetched.record);
  }
  return {std::move(context), {}};
}

}  // namespace quillan::generate
