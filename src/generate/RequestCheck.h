#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chars/CharacterLists.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationRequest.h"

namespace quillan::generate {

// The sentence that refuses a request for this reason.
std::string_view problemMessage(RequestProblem problem);

// A request that passed the checks, with every text split and every number read once, so that the
// modes work from values rather than from the window's texts.
struct CheckedRequest {
  GenerationRequest request;                      // as given, texts as typed
  std::vector<std::string> surnameCharacters;     // one or two
  std::string generationCharacter;                // the fixed character the run places; empty for none
  std::vector<std::string> selfChosenCharacters;  // 自选模式 only, in typed order
  std::int64_t birthdayNumbers = 0;               // the birthday selections' leading numbers, added

  bool placesGenerationChar() const { return !generationCharacter.empty(); }
};

struct RequestCheck {
  std::optional<CheckedRequest> checked;
  RequestProblem problem = RequestProblem::EnterSurname;  // when not checked
};

// Checks a request before anything is looked up or generated: an empty, non-Chinese or too long
// surname, a generation character that is not exactly one Chinese character where the run places
// one (classic "三字" with 设置第2个字为 or 设置第3个字为; nowhere else is it read), an empty or
// non-Chinese self-chosen text, an empty character list where the mode draws from it.
RequestCheck checkRequest(GenerationRequest request, const chars::CharacterLists& lists);

}  // namespace quillan::generate
