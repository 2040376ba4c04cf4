#pragma once

#include <string>
#include <vector>

#include "evaluate/Evaluation.h"
#include "evaluate/NumerologyTexts.h"

namespace quillan::compare {

// One name to compare: its evaluation, and the 音律分 it was kept with (-1 when not judged).
struct ComparedName {
  evaluate::Evaluation evaluation;
  int euphony = -1;
};

// One line of the comparison: what it shows, one cell per name, and whether the names differ there.
struct ComparisonRow {
  std::string label;
  std::vector<std::string> cells;
  bool differs = false;
};

struct Comparison {
  std::vector<std::string> names;
  std::vector<ComparisonRow> rows;
};

// Two to four names side by side: characters with their traditional forms, pinyin, strokes,
// elements with their basis, the five grids (number, element, luck), the three talents and their
// label, score and verdict, 音律分 and meanings. The texts give the three-talents label; without
// them that line says only the combination.
Comparison compareNames(const std::vector<ComparedName>& names, evaluate::NumerologyTexts* texts);

// The comparison as plain text, one line per row, cells separated by tabs, "*" before a row whose
// names differ (for the command line).
std::string comparisonText(const Comparison& comparison);

}  // namespace quillan::compare
