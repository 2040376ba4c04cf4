#include "generate/SelfChosenMode.h"

#include <array>
#include <vector>

#include "generate/CharacterFetch.h"
#include "generate/GenerationMessages.h"

namespace quillan::generate {

GenerationOutcome runSelfChosenMode(const CheckedRequest& run, const GenerationContext& context,
                                    chars::CharacterLookup& lookup, const GenerationSinks& sinks) {
  const auto& request = run.request;
  const auto progress = [&](std::string_view label, std::size_t range, std::size_t position) {
    if (sinks.progress) {
      sinks.progress(label, static_cast<int>(range), static_cast<int>(position));
    }
  };

  const auto& typed = run.selfChosenCharacters;
  std::vector<chars::CharRecord> candidates;
  std::vector<std::string> missing;
  progress(kProcessingProgress, typed.size(), 0);
  for (std::size_t k = 0; k < typed.size(); ++k) {
    auto fetched = fetchCharacter(lookup, typed[k]);
    if (fetched.status == GenerationStatus::ServiceUnreachable) {
      return fetchFailure(fetched);
    }
    if (fetched.status == GenerationStatus::Completed) {
      candidates.push_back(std::move(fetched.found.record));
    } else {
      missing.push_back(typed[k]);
    }
    progress(kProcessingProgress, typed.size(), k + 1);
  }
  if (!missing.empty() && sinks.notice) {
    sinks.notice(skippedCharactersMessage(missing));
  }

  GenerationOutcome outcome;
  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  progress(kGenerationProgress, candidates.size(), 0);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const auto& first = candidates[i];
    for (const auto& second : candidates) {
      if (!scoring.scoreGivenName(std::array{first.strokeCount(), second.strokeCount()})) {
        continue;  // cannot happen: two given-name characters
      }
      ++outcome.rowsWritten;
      if (sinks.row) {
        sinks.row(rowMaker.make(outcome.rowsWritten, request.surname + first.simplified + second.simplified,
                                context.surnameRecord.element + first.element + second.element,
                                context.surnamePinyin + ' ' + first.pinyin + ' ' + second.pinyin, scoring));
      }
    }
    progress(kGenerationProgress, candidates.size(), i + 1);
  }
  return outcome;
}

}  // namespace quillan::generate
