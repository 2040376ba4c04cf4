#pragma once

#include <optional>

#include "chars/CharRecord.h"
#include "chars/CharacterLookup.h"
#include "generate/GenerationOutcome.h"
#include "generate/RequestCheck.h"
#include "scoring/ScoringState.h"

namespace quillan::generate {

// What every mode receives from the surname lookup.
struct GenerationContext {
  int surnameByteLength = 0;  // GBK bytes: 2 for a one-character surname, 4 for two
  // The surname's record; for two characters merged (texts joined, strokes of the second).
  chars::CharRecord surnameRecord;
  // The surname's readings, one syllable per character, blank-separated.
  std::string surnamePinyin;
  // Filled when the run places a generation character.
  chars::CharRecord generationCharRecord;
  // Its level in the 通用规范汉字表 (0 outside), -1 when the dictionary did not say.
  int generationCharLevel = -1;
  // 天格 computed from the surname; each mode scores its names from a copy.
  scoring::ScoringState scoringState;

  int heavenGrid() const { return scoringState.gridNumber(scoring::Grid::Heaven); }
};

struct ContextLookup {
  std::optional<GenerationContext> context;
  GenerationOutcome failure;  // when context is empty
};

// Looks up the surname (each character of a two-character surname) and, where the run places one,
// the generation character, and computes 天格. Any lookup that finds no stroke count, or no
// service, ends here with its message: no name is ever computed from missing strokes.
ContextLookup lookupSurname(const CheckedRequest& run, chars::CharacterLookup& lookup);

}  // namespace quillan::generate
