#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chars/CharacterLookup.h"
#include "evaluate/BirthDateTexts.h"
#include "evaluate/NumerologyTexts.h"
#include "evaluate/ReportBuilder.h"
#include "quality/UserAvoidance.h"
#include "scoring/ScoringState.h"

namespace quillan::evaluate {

// The texts of an evaluation, as the certificate and the command line show them.
struct EvaluationResult {
  BirthDateTexts birth;  // the certificate's; empty for a plain evaluation
  std::string name;      // "李明华"
  std::string elements;  // the characters' elements, "火 火 水" (a two-character surname's written together)
  std::string talents;   // the three-talents elements, "金 土 木"
  std::string luck;      // the five grids' luck words, "大吉 大吉 凶 大吉 半吉"
  std::string verdict;   // the sentence for the score's band
  std::string score;     // "84.5"

  bool operator==(const EvaluationResult&) const = default;
};

// The certificate's eleven texts in their fixed order: birth date, lunar date, pillars, zodiac and
// Nayin, Nayin, name, elements, three-talents elements, luck words, verdict, score.
std::array<std::string, 11> certificateSlots(const EvaluationResult& result);

enum class EvaluationStatus { Done, BadInput, ServiceUnreachable, CharacterNotFound };

// The input box a refusal is about.
enum class InputFocus { None, Surname, Given };

// One evaluated name: what the report and the certificate show, or why there is nothing to show.
struct Evaluation {
  EvaluationStatus status = EvaluationStatus::BadInput;
  std::string message;                  // for the "温馨提示" box when status is not Done
  InputFocus focus = InputFocus::None;  // the box the message is about
  ReportInputs inputs;                  // characters, grids and score; the long texts are added by reportFields
  EvaluationResult result;              // the name's texts; the birth texts only for a certificate
};

// The window's message for a surname or given name that cannot be evaluated (empty, or not Chinese
// characters), nullopt when both are fine.
std::optional<Evaluation> nameInputProblem(std::string_view surname, std::string_view given);

// Looks up every character, scores the name and fills the result's name texts. The surname and given name are
// one or two Chinese characters each as typed (a longer one is read from its first and last
// character). A missing character or an unreachable service ends it with a message instead of a
// report computed from zero strokes. The sound is judged with the family's avoid list.
Evaluation evaluateName(std::string_view surname, std::string_view given, chars::CharacterLookup& lookup,
                        const quality::UserAvoidance& avoidance = {});

// The report of a result-list row: its name (two to four characters), its five grid numbers
// ("8,15,18,11,25") and its score, as the list shows them.
Evaluation evaluateRow(std::string_view name, std::string_view gridsText, std::string_view scoreText,
                       chars::CharacterLookup& lookup, const quality::UserAvoidance& avoidance = {});

// The report fields of an evaluation, with the texts of its five grids and its combination.
// Numbers above 81 take the texts of their reduced number.
ReportFields reportFields(const Evaluation& evaluation, NumerologyTexts& texts);

}  // namespace quillan::evaluate
