#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/RandomGenerator.h"

namespace quillan::chars {

enum class Gender { Boy, Girl };

// The boys' and girls' given-name lists: entry texts ("儿,兒,er,8,金"), UTF-8, parsed only when
// picked. Filled once at start-up and read-only afterwards.
struct CharacterLists {
  std::vector<std::string> boys;
  std::vector<std::string> girls;

  const std::vector<std::string>& forGender(Gender gender) const { return gender == Gender::Boy ? boys : girls; }
};

// A plain list text split at every "|" into entries; an empty text gives an empty list.
std::vector<std::string> splitList(std::string_view plain);

// Unpacks two packed list texts (boys first); a list whose bytes are not GBK comes out empty.
CharacterLists listsFromPacked(std::string_view packedBoys, std::string_view packedGirls);

// The lists built into the program.
CharacterLists loadBuiltInLists();

// The entry at a random position 1..size; the list must not be empty.
const std::string& pickRandomEntry(const std::vector<std::string>& list, common::RandomGenerator& random);

}  // namespace quillan::chars
