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
  for (auto& line : common::splitText(text, "\n")) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty() || line.front() == '#') {
      continue;
    }
    std::vector<std::string> words;
    for (auto& word : common::splitText(line, " ")) {
      if (!word.empty()) {
        words.push_back(std::move(word));
      }
    }
    const auto kind = words.empty() ? std::nullopt : kindOf(words[0]);
    if (!kind || words.size() < 2 || !common::isGbkHanText(words[1])) {
      return std::nullopt;
    }
    const auto characters = common::decodeUtf8(words[1])->size();
    const std::size_t wanted = *kind == SurnameKind::Compound ? 2 : 1;
    const std::size_t readings = words.size() - 2;
    if (characters != wanted || (readings != 0 && readings != characters)) {
      return std::nullopt;
    }
    surnames.push_back({*kind, words[1], {words.begin() + 2, words.end()}});
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
