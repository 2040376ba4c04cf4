#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::chars {

// What the dictionary knows of a character beyond its record: for the report's character table,
// the surname readings and the checks of a name's sound.
struct CharDetails {
  int radical = 0;                    // Kangxi radical number of the traditional form; 0 when unknown
  std::vector<std::string> readings;  // every modern reading, the usual one first
  std::string elementBasis;           // why the element: override, meaning, radical or sound
  int tghLevel = 0;                   // level 1-3 of the 通用规范汉字表; 0 outside it or unknown
  std::string surnameReading;         // its reading as a one-character surname; empty when it is none
  std::string compoundSurnames;       // the compound surnames it begins: "司马:sī mǎ|司徒:sī tú"
  std::string meaning;                // 字义, what it brings to a name; empty when not written

  bool operator==(const CharDetails&) const = default;
};

// Why the character has its element, in the words the report uses: "字义", "部首水" (the radical
// named), "字音", "审定"; empty when the basis is unknown.
std::string elementBasisWord(const CharDetails& details);

// The readings of the compound surname `compound` (such as "万俟") as the details of its first
// character give them ({"mò", "qí"}); empty when it is no compound surname they know.
std::vector<std::string> compoundSurnameReadings(const CharDetails& first, std::string_view compound);

}  // namespace quillan::chars
