#include "generate/RequestCheck.h"

#include "common/GbkCodec.h"
#include "generate/GenerationMessages.h"

namespace quillan::generate {
namespace {

bool isOneChineseCharacter(std::string_view text) {
  return common::isGbkHanText(text) && splitCharacters(text).size() == 1;
}

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

}  // namespace

std::optional<std::string_view> refusalOf(const GenerationRequest& request, const chars::CharacterLists& lists) {
  if (request.surname.empty()) {
    return kEnterSurname;
  }
  if (!common::isGbkHanText(request.surname)) {
    return kSurnameChineseOnly;
  }
  const auto surnameLength = splitCharacters(request.surname).size();
  if (surnameLength != 1 && surnameLength != 2) {
    return kSurnameLength;
  }
  if (usesGenerationChar(request) && !isOneChineseCharacter(generationCharText(request))) {
    return kEnterGenerationChar;
  }
  if (request.mode == GenerationMode::SelfChosen) {
    if (request.selfChosenText.empty()) {
      return kEnterSelfChosen;
    }
    if (!common::isGbkHanText(request.selfChosenText)) {
      return kSelfChosenChineseOnly;
    }
  }
  if (drawsFromList(request) && lists.forGender(request.gender).empty()) {
    return kEmptyList;
  }
  return std::nullopt;
}

bool usesGenerationChar(const GenerationRequest& request) {
  return request.mode == GenerationMode::Classic && request.nameLength == NameLength::Three &&
         request.generationCharOption != GenerationCharOption::None;
}

const std::string& generationCharText(const GenerationRequest& request) {
  static const std::string none;
  switch (request.generationCharOption) {
    case GenerationCharOption::Second:
      return request.secondCharText;
    case GenerationCharOption::Third:
      return request.thirdCharText;
    case GenerationCharOption::None:
      break;
  }
  return none;
}

std::vector<std::string> splitCharacters(std::string_view text) {
  std::vector<std::string> characters;
  const auto codePoints = common::decodeUtf8(text);
  if (!codePoints) {
    return characters;
  }
  for (char32_t codePoint : *codePoints) {
    common::appendUtf8(characters.emplace_back(), codePoint);
  }
  return characters;
}

}  // namespace quillan::generate
