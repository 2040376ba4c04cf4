#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generate/ResultRow.h"

namespace quillan::resultview {

// Which rows of a result list are shown. Empty fields filter nothing; every set field must hold.
struct RowFilter {
  std::optional<double> minScore;
  // A character the given name must hold, anywhere or at one position of the given name (1, 2).
  std::string mustContain;
  int containPosition = 0;            // 0: any position
  std::vector<std::string> exclude;   // characters the given name must not hold
  std::vector<std::string> elements;  // "木", "水": a given-name character must have one of them
  bool auspiciousTalents = false;     // all four three-talents values at their best
  std::optional<int> minEuphony;      // rows without a 音律分 fail it
  bool favourableOnly = false;        // "只看补喜用神的名字": a given-name character brings 用神 or 喜神
  std::string search;                 // part of the name, or of its readings with or without tones

  // How many leading characters of a row's name are the surname (2 for 欧阳).
  int surnameChars = 1;

  bool empty() const;
};

bool passes(const RowFilter& filter, const generate::ResultRow& row);

// Readings without tones or blanks, lower case: "lǐ míng" gives "liming" (for the free search).
std::string plainLetters(std::string_view pinyin);

}  // namespace quillan::resultview
