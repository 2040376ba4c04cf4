#include "generate/RequestCheck.h"

#include "common/GbkCodec.h"
#include "common/TextSplit.h"
#include "generate/GenerationMessages.h"
#include "generate/RunSeed.h"

namespace quillan::generate {
namespace {

bool drawsFromList(const GenerationRequest& request) {
  switch (request.mode) {
    case GenerationMode::Classic:
    case GenerationMode::HighScore:
      return request.algorithm == Algorithm::Normal;
    case GenerationMode::Nickname:
      return true;
    case GenerationMode::SelfChosen:
      break;
  }
  return false;
}

bool placesGenerationChar(const GenerationRequest& request) {
  return request.mode == GenerationMode::Classic && request.nameLength == NameLength::Three &&
         request.generationCharOption != GenerationCharOption::None;
}

const std::string& generationCharText(const GenerationRequest& request) {
  return request.generationCharOption == GenerationCharOption::Third ? request.thirdCharText : request.secondCharText;
}

RequestCheck refused(RequestProblem problem) { return {std::nullopt, problem}; }

}  // namespace

std::string_view problemMessage(RequestProblem problem) {
  // In RequestProblem order.
  constexpr std::string_view kMessages[] = {
      kEnterSurname,    kSurnameChineseOnly,    kSurnameLength, kEnterGenerationChar,
      kEnterSelfChosen, kSelfChosenChineseOnly, kEmptyList};
  static_assert(std::size(kMessages) == static_cast<std::size_t>(RequestProblem::EmptyList) + 1);
  return kMessages[static_cast<std::size_t>(problem)];
}

RequestCheck checkRequest(GenerationRequest request, const chars::CharacterLists& lists) {
  CheckedRequest checked;
  if (request.surname.empty()) {
    return refused(RequestProblem::EnterSurname);
  }
  if (!common::isGbkHanText(request.surname)) {
    return refused(RequestProblem::SurnameNotChinese);
  }
  checked.surnameCharacters = common::splitCharacters(request.surname);
  if (checked.surnameCharacters.size() != 1 && checked.surnameCharacters.size() != 2) {
    return refused(RequestProblem::SurnameLength);
  }
  if (placesGenerationChar(request)) {
    const auto& text = generationCharText(request);
    const auto characters = common::splitCharacters(text);
    if (!common::isGbkHanText(text) || characters.size() != 1) {
      return refused(RequestProblem::EnterGenerationChar);
    }
    checked.generationCharacter = characters.front();
  }
  if (request.mode == GenerationMode::SelfChosen) {
    if (request.selfChosenText.empty()) {
      return refused(RequestProblem::EnterSelfChosen);
    }
    if (!common::isGbkHanText(request.selfChosenText)) {
      return refused(RequestProblem::SelfChosenNotChinese);
    }
    checked.selfChosenCharacters = common::splitCharacters(request.selfChosenText);
  }
  if (drawsFromList(request) && lists.forGender(request.gender).empty()) {
    return refused(RequestProblem::EmptyList);
  }
  checked.birthdayNumbers = birthdayNumbers(request.birthday);
  checked.request = std::move(request);
  return {std::move(checked), {}};
}

}  // namespace quillan::generate
