#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan::service {

enum class QueryKind { CharacterLookup, NumberTexts, ThreeTalentsTexts };

// One of the three statements the service answers, reduced to its one checked value.
struct AllowedQuery {
  QueryKind kind;
  std::string value;  // one Chinese character; a number 1-81 without leading zero; three elements

  bool operator==(const AllowedQuery&) const = default;
};

// Recognises exactly the three statement forms of the protocol (the column name may stand with or
// without back-quotes) and checks the value between them. Every other text, including any text
// whose value holds more than the one expected thing, gives nullopt. The text is never run.
std::optional<AllowedQuery> recognizeQuery(std::string_view statement);

}  // namespace quillan::service
