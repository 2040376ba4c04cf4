#include "content/Surnames.h"

#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::content {
namespace embedded {
std::string_view surnameListText();
}  // namespace embedded

namespace {

std::optional<SurnameKind> kindOf(std::string_view word) {
  if (word == "common") {
    return SurnameKind::Common;
  }
  if (word == "special") {
    return SurnameKind::Special;
  }
  if (word == "compound") {
    return SurnameKind::Compound;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<Surname>> parseSurnameList(std::string_view text) {
  std::vector<Surname> surnames;
  auto lines = common::splitText(text, "\n");
  if (!lines.empty() && lines.back().empty()) {
    lines.pop_back();
  }
  if (lines.empty() || lines.front() != "kind\tsurname\treading\tother\tnote") {
    return std::nullopt;
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto fields = common::splitText(lines[i], "\t");
    const auto kind = fields.size() == 5 ? kindOf(fields[0]) : std::nullopt;
    if (!kind || !common::isGbkHanText(fields[1])) {
      return std::nullopt;
    }
    const auto characters = common::splitCharacters(fields[1]).size();
    const auto readings = common::splitText(fields[2], " ");
    if (characters != (*kind == SurnameKind::Compound ? 2U : 1U) || readings.size() != characters) {
      return std::nullopt;
    }
    surnames.push_back({*kind, fields[1], readings, fields[3]});
  }
  return surnames;
}

std::span<const Surname> surnameList() {
  // The list is ours and checked by the tests; a broken one shows as an empty page section.
  static const std::vector<Surname> list =
      parseSurnameList(embedded::surnameListText()).value_or(std::vector<Surname>{});
  return list;
}

}  // namespace quillan::content
