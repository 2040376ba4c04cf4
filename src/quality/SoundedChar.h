#pragma once

#include <span>
#include <string>
#include <vector>

#include "quality/AvoidTables.h"
#include "quality/Syllable.h"

namespace quillan::quality {

// One character of a full name, prepared once for every check of every name it stands in (a
// generation run prepares each list character once and checks tens of thousands of pairs).
struct SoundedChar {
  std::string character;
  std::string reading;                       // as shown, with tone marks: "míng"; a surname's surname reading
  Syllable syllable;                         // empty toneless when the reading is no pinyin syllable
  int syllableId = 0;                        // in the avoid lexicon; 0 when no word uses it
  bool given = false;                        // in the given name (the checks never fault a surname for itself)
  bool outsideTable = false;                 // a given-name character outside the 通用规范汉字表
  const std::string* avoidReason = nullptr;  // on the built-in avoid list, why
  bool userAvoidedCharacter = false;         // on the family's list
  bool userAvoidedSound = false;             // its sound is on the family's list
  const Polyphone* polyphone = nullptr;      // read in the name otherwise than a reader guesses first
};

// A full name as its prepared characters, surname first. Pointers, so that a run can check every pair
// without copying a character.
using NameView = std::span<const SoundedChar* const>;

// Prepared characters that own themselves, and the view over them.
struct SoundedName {
  std::vector<SoundedChar> characters;
  std::vector<const SoundedChar*> pointers;

  explicit SoundedName(std::vector<SoundedChar> prepared) : characters(std::move(prepared)) {
    for (const SoundedChar& c : characters) {
      pointers.push_back(&c);
    }
  }
  SoundedName(const SoundedName&) = delete;
  SoundedName& operator=(const SoundedName&) = delete;
  SoundedName(SoundedName&&) = default;
  SoundedName& operator=(SoundedName&&) = default;

  NameView view() const { return pointers; }
};

}  // namespace quillan::quality
