#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillan::quality {

// A word a name must not sound like (data/quality/avoid-words.tsv).
struct AvoidWord {
  std::string word;    // "肚子疼"
  std::string pinyin;  // "du4 zi5 teng2"
  std::vector<int> tones;
  bool strong = false;  // a match without the tones already keeps a name out
  std::string reason;   // "谐音笑话"
};

// A character whose name reading is not the one a reader guesses first (data/quality/polyphones.tsv).
struct Polyphone {
  std::string nameReading;   // "jìng"
  std::string usualReading;  // "jìn"
  std::string note;
};

// The built-in tables of the quality check. Syllables are numbered (from 1) so that a name's runs
// of two or three syllables are looked up as one integer key.
class AvoidTables {
 public:
  // The tables built into the program; a malformed table is a fault of the build and throws
  // std::logic_error naming the file and line.
  static const AvoidTables& builtIn();

  // The tables of the three files' texts (for tests); throws std::invalid_argument like builtIn().
  static AvoidTables parse(std::string_view words, std::string_view characters, std::string_view polyphones);

  // The number of a toneless syllable ("du", "lv") that some avoid word uses; 0 for any other, which
  // no word can match.
  int syllableId(std::string_view toneless) const;

  // The words whose toneless syllables are these ids, in order; empty when none.
  const std::vector<AvoidWord>& wordsOf(const int* ids, std::size_t count) const;

  // The reason a character is avoided, or nullptr.
  const std::string* avoidedCharacter(std::string_view character) const;

  const Polyphone* polyphone(std::string_view character) const;

  std::size_t wordCount() const { return wordCount_; }

 private:
  static std::uint64_t runKey(const int* ids, std::size_t count);

  std::unordered_map<std::string, int> syllableIds_;
  std::unordered_map<std::uint64_t, std::vector<AvoidWord>> wordsByRun_;
  std::map<std::string, std::string, std::less<>> characters_;
  std::map<std::string, Polyphone, std::less<>> polyphones_;
  std::size_t wordCount_ = 0;
};

}  // namespace quillan::quality
