#include "evaluate/ReportBuilder.h"

#include "common/TextNumbers.h"
#include "evaluate/ChartSection.h"
#include "evaluate/SoundSection.h"
#include "evaluate/Verdict.h"
#include "scoring/Element.h"
#include "scoring/LuckTable.h"

namespace quillan::evaluate {
namespace {

// Placeholder numbers of the four character positions, per field of the record, and of their
// element basis and meaning.
constexpr std::array<std::array<int, 4>, 5> kCharacterSlots = {{
    {1, 57, 2, 3},     // simplified
    {4, 58, 5, 6},     // traditional
    {7, 59, 8, 9},     // pinyin
    {10, 60, 11, 12},  // strokes
    {13, 61, 14, 15},  // element
}};
constexpr std::array<int, 4> kBasisSlots = {62, 63, 64, 65};
constexpr std::array<int, 4> kMeaningSlots = {66, 67, 68, 69};
constexpr int kSoundSlot = 70;
constexpr int kChartSlot = 71;

// Why the element, in small type beside it: "（部首水）", "（字义）", "（字音）", "（审定）".
std::string basisText(const chars::CharDetails& details) {
  const std::string word = chars::elementBasisWord(details);
  return word.empty() ? word : "（" + word + "）";
}

}  // namespace

int numberForTexts(int gridNumber) { return scoring::reducedNumber(gridNumber); }

ReportFields buildReportFields(const ReportInputs& inputs) {
  ReportFields fields;
  const std::array<const chars::CharRecord*, 4> characters = {&inputs.surname1, &inputs.surname2, &inputs.given1,
                                                              &inputs.given2};
  for (std::size_t position = 0; position < characters.size(); ++position) {
    const auto& record = *characters[position];
    const std::array<const std::string*, 5> values = {&record.simplified, &record.traditional, &record.pinyin,
                                                      &record.strokes, &record.element};
    for (std::size_t field = 0; field < values.size(); ++field) {
      fields[kCharacterSlots[field][position]] = *values[field];
    }
    fields[kBasisSlots[position]] = basisText(inputs.details[position]);
    fields[kMeaningSlots[position]] = inputs.details[position].meaning;
  }
  fields[kSoundSlot] = soundSectionHtml(inputs.sound, {inputs.details[2].meaning, inputs.details[3].meaning});
  if (inputs.chart) {
    fields[kChartSlot] = chartSectionHtml(*inputs.chart, {inputs.given1, inputs.given2});
  }
  for (int k = 0; k < 5; ++k) {
    const auto grid = inputs.grids[static_cast<std::size_t>(k)];
    const auto& texts = inputs.numberTexts[static_cast<std::size_t>(k)];
    fields[16 + k] = std::to_string(grid);
    fields[21 + k] = std::string(scoring::elementWord(scoring::elementOfNumber(grid)));
    fields[26 + k] = texts.luck;
    fields[31 + k] = texts.title;
    fields[36 + k] = texts.detail;
    if (k >= 1) {
      fields[50 + k] = texts.hint;
    }
  }
  const auto& talents = inputs.talentTexts;
  int field = 41;
  for (const std::string* text :
       {&talents.title, &talents.luck, &talents.detail, &talents.basicText, &talents.basicLuck, &talents.successText,
        &talents.successLuck, &talents.relationText, &talents.relationLuck, &talents.characterText}) {
    fields[field++] = *text;
  }
  fields[55] = std::string(verdictSentence(common::textToNumber(inputs.scoreText)));
  fields[56] = inputs.scoreText;
  return fields;
}

}  // namespace quillan::evaluate
