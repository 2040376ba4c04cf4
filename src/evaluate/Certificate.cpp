#include "evaluate/Certificate.h"

#include <charconv>

#include "evaluate/BirthDateTexts.h"

namespace quillan::evaluate {

std::optional<int> parseBirthHour(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && blank(text.back())) {
    text.remove_suffix(1);
  }
  int hour = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hour);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || hour < 0 || hour > 23) {
    return std::nullopt;
  }
  return hour;
}

Evaluation certificateEvaluation(std::string_view surname, std::string_view given, const calendar::Date& birthDate,
                                 int hour, chars::CharacterLookup& lookup) {
  Evaluation evaluation = evaluateName(surname, given, lookup);
  evaluation.result.birth = birthDateTexts(birthDate, hour);
  return evaluation;
}

}  // namespace quillan::evaluate
