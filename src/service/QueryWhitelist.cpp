#include "service/QueryWhitelist.h"

#include <algorithm>
#include <array>

#include "common/GbkCodec.h"
#include "dataservice/LookupQueries.h"

namespace quillan::service {
namespace {

using dataservice::QueryForm;

// The value between prefix and suffix, also accepting the column name without its back-quotes.
std::optional<std::string_view> valueOf(std::string_view statement, const QueryForm& form) {
  auto tryForm = [statement](std::string_view prefix, std::string_view suffix) -> std::optional<std::string_view> {
    if (statement.size() < prefix.size() + suffix.size() || !statement.starts_with(prefix) ||
        !statement.ends_with(suffix)) {
      return std::nullopt;
    }
    return statement.substr(prefix.size(), statement.size() - prefix.size() - suffix.size());
  };
  if (auto value = tryForm(form.prefix, form.suffix)) {
    return value;
  }
  std::string plainPrefix;
  for (char c : form.prefix) {
    if (c != '`') {
      plainPrefix.push_back(c);
    }
  }
  return tryForm(plainPrefix, form.suffix);
}

bool isOneHanCharacter(std::string_view value) {
  const auto codePoints = common::decodeUtf8(value);
  return codePoints && codePoints->size() == 1 && common::isGbkHanCharacter(codePoints->front());
}

bool isLuckNumber(std::string_view value) {
  if (value.empty() || value.size() > 2 || value.front() == '0') {
    return false;
  }
  int number = 0;
  for (char c : value) {
    if (c < '0' || c > '9') {
      return false;
    }
    number = number * 10 + (c - '0');
  }
  return number >= 1 && number <= 81;
}

bool isElementTriple(std::string_view value) {
  constexpr std::array<char32_t, 5> kElements{U'木', U'火', U'土', U'金', U'水'};
  const auto codePoints = common::decodeUtf8(value);
  if (!codePoints || codePoints->size() != 3) {
    return false;
  }
  for (char32_t c : *codePoints) {
    if (std::find(kElements.begin(), kElements.end(), c) == kElements.end()) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<AllowedQuery> recognizeQuery(std::string_view statement) {
  if (auto value = valueOf(statement, dataservice::kCharacterLookupForm); value && isOneHanCharacter(*value)) {
    return AllowedQuery{QueryKind::CharacterLookup, std::string(*value)};
  }
  if (auto value = valueOf(statement, dataservice::kNumberTextsForm); value && isLuckNumber(*value)) {
    return AllowedQuery{QueryKind::NumberTexts, std::string(*value)};
  }
  if (auto value = valueOf(statement, dataservice::kThreeTalentsForm); value && isElementTriple(*value)) {
    return AllowedQuery{QueryKind::ThreeTalentsTexts, std::string(*value)};
  }
  return std::nullopt;
}

}  // namespace quillan::service
