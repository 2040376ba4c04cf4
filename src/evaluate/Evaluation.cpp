#include "evaluate/Evaluation.h"

#include <vector>

#include "common/GbkCodec.h"
#include "common/TextNumbers.h"
#include "common/TextSplit.h"
#include "evaluate/Verdict.h"
#include "scoring/Element.h"

namespace quillan::evaluate {
namespace {

using chars::CharRecord;

// First and last character: the only ones a one- or two-character name slot has room for.
std::vector<std::string> firstAndLast(const std::vector<std::string>& all) {
  if (all.size() <= 2) {
    return all;
  }
  return {all.front(), all.back()};
}

Evaluation refused(EvaluationStatus status, std::string message, InputFocus focus = InputFocus::None) {
  Evaluation evaluation;
  evaluation.status = status;
  evaluation.message = std::move(message);
  evaluation.focus = focus;
  return evaluation;
}

using Found = std::vector<chars::LookupResult>;

// Looks up the characters in order; the first failure becomes the evaluation's message.
bool fetchAll(const std::vector<std::string>& wanted, chars::CharacterLookup& lookup, Found& out, Evaluation& failure) {
  for (const auto& character : wanted) {
    const auto result = lookup.lookup(character);
    if (!chars::hasStrokes(result)) {
      const auto status = result.status == chars::LookupStatus::Unreachable ? EvaluationStatus::ServiceUnreachable
                                                                            : EvaluationStatus::CharacterNotFound;
      failure = refused(status, chars::lookupFailureMessage(result, character));
      return false;
    }
    out.push_back(result);
  }
  return true;
}

// The surname's characters read as a surname reads them (曾 zēng, 万俟 mò qí).
void readAsSurname(Found& surname) {
  std::string text;
  for (const auto& character : surname) {
    text += character.record.simplified;
  }
  const auto readings = chars::surnameReadings(surname, text);
  for (std::size_t i = 0; i < surname.size(); ++i) {
    surname[i].record.pinyin = readings[i];
  }
}

std::vector<CharRecord> recordsOf(const Found& found) {
  std::vector<CharRecord> records;
  for (const auto& character : found) {
    records.push_back(character.record);
  }
  return records;
}

std::string joined(const std::array<std::string_view, 5>& words, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) {
      text += ' ';
    }
    text += words[i];
  }
  return text;
}

// The name's texts from the records, the scored state and the name shown.
void fillResult(Evaluation& evaluation, std::string_view surnameText, const std::vector<CharRecord>& surname,
                const std::vector<CharRecord>& given, const scoring::ScoringState& state) {
  auto& result = evaluation.result;
  result.name = std::string(surnameText);
  for (const auto& record : given) {
    result.name += record.simplified;
  }
  std::string elements;
  for (const auto& record : surname) {
    elements += record.element;  // a two-character surname writes its two elements together
  }
  for (const auto& record : given) {
    elements += ' ' + record.element;
  }
  result.elements = elements;
  using scoring::Grid;
  result.talents = joined({scoring::elementWord(state.gridElement(Grid::Heaven)),
                           scoring::elementWord(state.gridElement(Grid::Person)),
                           scoring::elementWord(state.gridElement(Grid::Earth)),
                           {},
                           {}},
                          3);
  result.luck =
      joined({state.gridLuckWord(Grid::Heaven), state.gridLuckWord(Grid::Person), state.gridLuckWord(Grid::Earth),
              state.gridLuckWord(Grid::Outer), state.gridLuckWord(Grid::Total)},
             5);
  result.score = state.scoreText();
  result.verdict = std::string(verdictSentence(state.totalScore()));
}

void placeCharacters(ReportInputs& inputs, const Found& surname, const Found& given) {
  const std::array<const chars::LookupResult*, 4> placed = {&surname.at(0), surname.size() > 1 ? &surname[1] : nullptr,
                                                            &given.at(0), given.size() > 1 ? &given[1] : nullptr};
  const std::array<CharRecord*, 4> records = {&inputs.surname1, &inputs.surname2, &inputs.given1, &inputs.given2};
  for (std::size_t i = 0; i < placed.size(); ++i) {
    *records[i] = placed[i] != nullptr ? placed[i]->record : CharRecord{};
    inputs.details[i] = placed[i] != nullptr ? placed[i]->details : chars::CharDetails{};
  }
}

// How the full name reads: the surname with its surname reading, the given name with its name reading.
quality::Assessment judgeSound(const Found& surname, const Found& given, const quality::UserAvoidance& avoidance) {
  const quality::QualityChecker checker(quality::AvoidTables::builtIn(), avoidance);
  std::vector<quality::SoundedChar> characters;
  for (const auto& found : surname) {
    characters.push_back(checker.sound(found.record.simplified, found.record.pinyin, false, -1));
  }
  for (const auto& found : given) {
    // Details without readings come from a source that sends none: the level is unknown.
    const int level = found.details.readings.empty() ? -1 : found.details.tghLevel;
    characters.push_back(checker.sound(found.record.simplified, found.record.pinyin, true, level));
  }
  const quality::SoundedName name(std::move(characters));
  return checker.assess(name.view());
}

std::vector<int> strokesOf(const std::vector<CharRecord>& records) {
  std::vector<int> strokes;
  for (const auto& record : records) {
    strokes.push_back(record.strokeCount());
  }
  return strokes;
}

}  // namespace

std::array<std::string, 11> certificateSlots(const EvaluationResult& result) {
  const auto& birth = result.birth;
  return {birth.gregorian, birth.lunar,    birth.pillars, birth.zodiacNayin, birth.nayin, result.name,
          result.elements, result.talents, result.luck,   result.verdict,    result.score};
}

std::optional<Evaluation> nameInputProblem(std::string_view surname, std::string_view given) {
  if (surname.empty()) {
    return refused(EvaluationStatus::BadInput, "请输入姓氏！", InputFocus::Surname);
  }
  if (given.empty()) {
    return refused(EvaluationStatus::BadInput, "请输入名字！", InputFocus::Given);
  }
  if (!common::isGbkHanText(surname)) {
    return refused(EvaluationStatus::BadInput, "姓氏只能是中文汉字", InputFocus::Surname);
  }
  if (!common::isGbkHanText(given)) {
    return refused(EvaluationStatus::BadInput, "名字只能是中文汉字", InputFocus::Given);
  }
  return std::nullopt;
}

Evaluation evaluateName(std::string_view surname, std::string_view given, chars::CharacterLookup& lookup,
                        const quality::UserAvoidance& avoidance) {
  if (auto problem = nameInputProblem(surname, given)) {
    return std::move(*problem);
  }
  Evaluation evaluation;
  Found surnameFound;
  Found givenFound;
  if (!fetchAll(firstAndLast(common::splitCharacters(surname)), lookup, surnameFound, evaluation) ||
      !fetchAll(firstAndLast(common::splitCharacters(given)), lookup, givenFound, evaluation)) {
    return evaluation;
  }
  readAsSurname(surnameFound);
  const auto surnameRecords = recordsOf(surnameFound);
  const auto givenRecords = recordsOf(givenFound);
  scoring::ScoringState state;
  if (!state.computeFiveGrids(strokesOf(surnameRecords), strokesOf(givenRecords))) {
    return refused(EvaluationStatus::BadInput, "姓名的字数无法计算五格");
  }
  state.rateGrids();

  evaluation.status = EvaluationStatus::Done;
  placeCharacters(evaluation.inputs, surnameFound, givenFound);
  evaluation.inputs.sound = judgeSound(surnameFound, givenFound, avoidance);
  for (int i = 0; i < scoring::kGridCount; ++i) {
    evaluation.inputs.grids[static_cast<std::size_t>(i)] = state.gridNumber(static_cast<scoring::Grid>(i));
  }
  evaluation.inputs.scoreText = state.scoreText();
  fillResult(evaluation, surname, surnameRecords, givenRecords, state);
  return evaluation;
}

Evaluation evaluateRow(std::string_view name, std::string_view gridsText, std::string_view scoreText,
                       chars::CharacterLookup& lookup, const quality::UserAvoidance& avoidance) {
  const auto all = common::splitCharacters(name);
  const auto grids = common::splitText(gridsText, ",");
  if (all.size() < 2 || all.size() > 4 || grids.size() != 5 || !common::isGbkHanText(name)) {
    return refused(EvaluationStatus::BadInput, "这一行没有可评分的名字");
  }
  // Two or three characters: one surname character; four: two.
  const std::size_t surnameLength = all.size() == 4 ? 2 : 1;
  Evaluation evaluation;
  Found surnameFound;
  Found givenFound;
  if (!fetchAll({all.begin(), all.begin() + static_cast<long>(surnameLength)}, lookup, surnameFound, evaluation) ||
      !fetchAll({all.begin() + static_cast<long>(surnameLength), all.end()}, lookup, givenFound, evaluation)) {
    return evaluation;
  }
  readAsSurname(surnameFound);
  evaluation.status = EvaluationStatus::Done;
  placeCharacters(evaluation.inputs, surnameFound, givenFound);
  evaluation.inputs.sound = judgeSound(surnameFound, givenFound, avoidance);
  for (std::size_t i = 0; i < grids.size(); ++i) {
    evaluation.inputs.grids[i] = common::textToInt(grids[i]);
  }
  evaluation.inputs.scoreText = std::string(scoreText);
  return evaluation;
}

ReportFields reportFields(const Evaluation& evaluation, NumerologyTexts& texts) {
  ReportInputs inputs = evaluation.inputs;
  for (std::size_t k = 0; k < inputs.grids.size(); ++k) {
    inputs.numberTexts[k] = texts.numberTexts(numberForTexts(inputs.grids[k]));
  }
  std::string combination;
  for (std::size_t k = 0; k < 3; ++k) {
    combination += scoring::elementWord(scoring::elementOfNumber(inputs.grids[k]));
  }
  inputs.talentTexts = texts.talentTexts(combination);
  return buildReportFields(inputs);
}

}  // namespace quillan::evaluate
