#include "quality/AvoidTables.h"

#include <stdexcept>

#include "common/TextSplit.h"
#include "common/TsvTable.h"
#include "quality/Syllable.h"

namespace quillan::quality {
namespace embedded {
std::string_view avoidWordsText();
std::string_view avoidCharsText();
std::string_view polyphonesText();
}  // namespace embedded

const AvoidTables& AvoidTables::builtIn() {
  static const AvoidTables tables = [] {
    try {
      return parse(embedded::avoidWordsText(), embedded::avoidCharsText(), embedded::polyphonesText());
    } catch (const std::invalid_argument& fault) {
      throw std::logic_error(std::string("data/quality: ") + fault.what());
    }
  }();
  return tables;
}

AvoidTables AvoidTables::parse(std::string_view words, std::string_view characters, std::string_view polyphones) {
  AvoidTables tables;
  int line = 1;
  for (auto& fields : common::tsvRows(words, "avoid-words.tsv", "word\tpinyin\tstrength\treason")) {
    ++line;
    const std::string where = "avoid-words.tsv line " + std::to_string(line) + ": ";
    AvoidWord word{fields[0], fields[1], {}, fields[2] == "strong", fields[3]};
    if (fields[2] != "strong" && fields[2] != "weak") {
      throw std::invalid_argument(where + "strength must be strong or weak");
    }
    std::vector<int> ids;
    for (const auto& text : common::splitText(word.pinyin, " ")) {
      const auto syllable = parseSyllable(text);
      if (!syllable) {
        throw std::invalid_argument(where + "no pinyin syllable: " + text);
      }
      auto [found, added] = tables.syllableIds_.try_emplace(syllable->toneless, 0);
      if (added) {
        found->second = static_cast<int>(tables.syllableIds_.size());
      }
      ids.push_back(found->second);
      word.tones.push_back(syllable->tone);
    }
    if (ids.size() < 2 || ids.size() > 3) {
      throw std::invalid_argument(where + "a word has two or three syllables");
    }
    tables.wordsByRun_[runKey(ids.data(), ids.size())].push_back(std::move(word));
    ++tables.wordCount_;
  }
  for (auto& fields : common::tsvRows(characters, "avoid-chars.tsv", "character\treason")) {
    tables.characters_.emplace(std::move(fields[0]), std::move(fields[1]));
  }
  for (auto& fields : common::tsvRows(polyphones, "polyphones.tsv", "character\tname_reading\tusual_reading\tnote")) {
    tables.polyphones_.emplace(std::move(fields[0]),
                               Polyphone{std::move(fields[1]), std::move(fields[2]), std::move(fields[3])});
  }
  return tables;
}

std::uint64_t AvoidTables::runKey(const int* ids, std::size_t count) {
  std::uint64_t key = count;
  for (std::size_t i = 0; i < count; ++i) {
    key = (key << 20) | static_cast<std::uint64_t>(ids[i]);
  }
  return key;
}

int AvoidTables::syllableId(std::string_view toneless) const {
  const auto found = syllableIds_.find(std::string(toneless));
  return found == syllableIds_.end() ? 0 : found->second;
}

const std::vector<AvoidWord>& AvoidTables::wordsOf(const int* ids, std::size_t count) const {
  static const std::vector<AvoidWord> none;
  for (std::size_t i = 0; i < count; ++i) {
    if (ids[i] == 0) {
      return none;
    }
  }
  const auto found = wordsByRun_.find(runKey(ids, count));
  return found == wordsByRun_.end() ? none : found->second;
}

const std::string* AvoidTables::avoidedCharacter(std::string_view character) const {
  const auto found = characters_.find(character);
  return found == characters_.end() ? nullptr : &found->second;
}

const Polyphone* AvoidTables::polyphone(std::string_view character) const {
  const auto found = polyphones_.find(character);
  return found == polyphones_.end() ? nullptr : &found->second;
}

}  // namespace quillan::quality
