#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chars/CharacterLookup.h"
#include "evaluate/NumerologyTexts.h"
#include "evaluate/ReportBuilder.h"
#include "scoring/ScoringState.h"

namespace quillan::evaluate {

// The 11 texts of an evaluation: 1-5 the birth-date texts (the certificate's), 6 the name, 7 the
// characters' elements, 8 the three-talents elements, 9 the five luck words, 10 the verdict,
// 11 the score. Index 0 is slot 1.
using EvaluationResult = std::array<std::string, 11>;

enum class EvaluationStatus { Done, BadInput, ServiceUnreachable, CharacterNotFound };

// One evaluated name: what the report and the certificate show, or why there is nothing to show.
struct Evaluation {
  EvaluationStatus status = EvaluationStatus::BadInput;
  std::string message;      // for the "温馨提示" box when status is not Done
  std::string focus;        // "surname" or "given": the box the message is about
  ReportInputs inputs;      // characters, grids and score; the long texts are added by reportFields
  EvaluationResult result;  // slots 6-11 filled
};

// The window's message for a surname or given name that cannot be evaluated (empty, or not Chinese
// characters), nullopt when both are fine.
std::optional<Evaluation> nameInputProblem(std::string_view surname, std::string_view given);

// Looks up every character, scores the name and fills slots 6-11. The surname and given name are
// one or two Chinese characters each as typed (a longer one is read from its first and last
// character). A missing character or an unreachable service ends it with a message instead of a
// report computed from zero strokes.
Evaluation evaluateName(std::string_view surname, std::string_view given, chars::CharacterLookup& lookup);

// The report of a result-list row: its name (two to four characters), its five grid numbers
// ("8,15,18,11,25") and its score, as the list shows them.
Evaluation evaluateRow(std::string_view name, std::string_view gridsText, std::string_view scoreText,
                       chars::CharacterLookup& lookup);

// The 61 report fields of an evaluation, with the texts of its five grids and its combination.
// Numbers above 81 take the texts of their reduced number.
ReportFields reportFields(const Evaluation& evaluation, NumerologyTexts& texts);

}  // namespace quillan::evaluate
