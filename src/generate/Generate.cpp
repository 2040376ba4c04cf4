#include "generate/Generate.h"

#include "generate/ClassicMode.h"
#include "generate/GenerationContext.h"
#include "generate/HighScoreMode.h"
#include "generate/NicknameMode.h"
#include "generate/SelfChosenMode.h"

namespace quillan::generate {

GenerationOutcome runGenerate(const CheckedRequest& run, const chars::CharacterLists& lists,
                              chars::CharacterLookup& lookup, const GenerationSinks& sinks) {
  auto looked = lookupSurname(run, lookup);
  if (!looked.context) {
    return looked.failure;
  }
  const auto& context = *looked.context;
  switch (run.request.mode) {
    case GenerationMode::Classic:
      return runClassicMode(run, context, lists, sinks);
    case GenerationMode::HighScore:
      return runHighScoreMode(run, context, lists, sinks);
    case GenerationMode::SelfChosen:
      return runSelfChosenMode(run, context, lookup, sinks);
    case GenerationMode::Nickname:
      break;
  }
  return runNicknameMode(run, context, lists, sinks);
}

GenerationOutcome runGenerate(GenerationRequest request, const chars::CharacterLists& lists,
                              chars::CharacterLookup& lookup, const GenerationSinks& sinks) {
  auto check = checkRequest(std::move(request), lists);
  if (!check.checked) {
    GenerationOutcome refused;
    refused.status = GenerationStatus::Refused;
    refused.message = std::string(problemMessage(check.problem));
    refused.refusal = check.problem;
    return refused;
  }
  return runGenerate(*check.checked, lists, lookup, sinks);
}

}  // namespace quillan::generate
