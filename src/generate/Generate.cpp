#include "generate/Generate.h"

#include "generate/ClassicMode.h"
#include "generate/GenerationContext.h"
#include "generate/HighScoreMode.h"
#include "generate/NicknameMode.h"
#include "generate/RequestCheck.h"
#include "generate/SelfChosenMode.h"

namespace quillan::generate {

GenerationOutcome runGenerate(GenerationRequest request, const chars::CharacterLists& lists,
                              chars::CharacterLookup& lookup, const GenerationSinks& sinks) {
  if (const auto refusal = refusalOf(request, lists)) {
    return {GenerationStatus::Refused, 0, std::string(*refusal), {}};
  }
  auto looked = lookupSurname(request, lookup);
  if (!looked.context) {
    return looked.failure;
  }
  const auto& context = *looked.context;
  switch (request.mode) {
    case GenerationMode::Classic:
      return runClassicMode(request, context, lists, sinks);
    case GenerationMode::HighScore:
      return runHighScoreMode(request, context, lists, sinks);
    case GenerationMode::SelfChosen:
      return runSelfChosenMode(request, context, lookup, sinks);
    case GenerationMode::Nickname:
      break;
  }
  return runNicknameMode(request, context, lists, sinks);
}

}  // namespace quillan::generate
