#pragma once

#include <set>
#include <string>
#include <string_view>
#include <variant>

namespace quillan::quality {

// The family's own avoid list: characters (an elder's name) and sounds (避讳), compared without tone.
// It applies to the given name only; the surname is not the parents' choice.
struct UserAvoidance {
  std::set<std::string, std::less<>> characters;  // "国", "华"
  std::set<std::string, std::less<>> sounds;      // toneless, as parseSyllable writes them: "guo", "lv"

  bool empty() const { return characters.empty() && sounds.empty(); }
  bool operator==(const UserAvoidance&) const = default;

  // The lists as the user would type them again: "国华" and "guo,hua".
  std::string charactersText() const;
  std::string soundsText() const;
};

// The lists of what the user typed: any Han characters (blanks, commas and 、 between them are
// ignored), and pinyin syllables separated by commas, blanks or 、 (tone marks or numbers allowed and
// dropped). The problem, in words for the user, when a character is no Han character or a sound no
// pinyin syllable.
std::variant<UserAvoidance, std::string> parseUserAvoidance(std::string_view characters, std::string_view sounds);

}  // namespace quillan::quality
