#include "generate/NicknameMode.h"

#include <array>

#include "common/RandomGenerator.h"
#include "generate/RunSeed.h"

namespace quillan::generate {

std::uint32_t nicknameSeedOffset(NicknamePattern pattern) {
  switch (pattern) {
    case NicknamePattern::XiaoA:
      return 2345;
    case NicknamePattern::AEr:
      return 8686;
    case NicknamePattern::AA:
      break;
  }
  return 111;
}

GenerationOutcome runNicknameMode(const CheckedRequest& run, const GenerationContext& context,
                                  const chars::CharacterLists& lists, const GenerationSinks& sinks) {
  const auto& request = run.request;
  common::RandomGenerator random(baseSeed(context.heavenGrid(), run.birthdayNumbers) +
                                 nicknameSeedOffset(request.nicknamePattern));
  const auto& list = lists.forGender(request.gender);
  const auto xiao = chars::parseEntry(kXiaoEntry);
  const auto er = chars::parseEntry(kErEntry);

  GenerationOutcome outcome;
  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  for (int k = 1; k <= kNicknameRows; ++k) {
    const auto drawn = chars::parseEntry(chars::pickRandomEntry(list, random));
    const auto& first = request.nicknamePattern == NicknamePattern::XiaoA ? xiao : drawn;
    const auto& second = request.nicknamePattern == NicknamePattern::AEr ? er : drawn;
    if (!scoring.scoreGivenName(std::array{first.strokeCount(), second.strokeCount()})) {
      continue;  // cannot happen: two given-name characters
    }
    if (sinks.row) {
      sinks.row(rowMaker.make(k, request.surname + first.simplified + second.simplified,
                              context.surnameRecord.element + first.element + second.element,
                              context.surnamePinyin + ' ' + first.pinyin + ' ' + second.pinyin, scoring));
    }
    outcome.rowsWritten = k;
  }
  return outcome;
}

}  // namespace quillan::generate
