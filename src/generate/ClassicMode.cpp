#include "generate/ClassicMode.h"

#include <vector>

#include "common/RandomGenerator.h"
#include "generate/GenerationMessages.h"
#include "generate/RunQuality.h"
#include "generate/RunSeed.h"

namespace quillan::generate {
namespace {

// One given-name position: its record, the text the name column shows for it and, when the run
// checks names, its sound.
struct Position {
  chars::CharRecord record;
  std::string shown;
  quality::SoundedChar sound;
};

Position drawn(const std::vector<std::string>& list, common::RandomGenerator& random, const RunQuality& quality) {
  auto record = chars::parseEntry(chars::pickRandomEntry(list, random));
  auto shown = record.simplified;
  auto sound = quality.active() ? quality.soundListCharacter(record) : quality::SoundedChar{};
  return {std::move(record), std::move(shown), std::move(sound)};
}

}  // namespace

std::optional<std::uint32_t> classicSeedOffset(chars::Gender gender, NameLength length, GenerationCharOption option) {
  const bool boy = gender == chars::Gender::Boy;
  if (length == NameLength::Two) {
    return boy ? 918u : 91888u;
  }
  switch (option) {
    case GenerationCharOption::Second:
      return boy ? 999u : 5918u;
    case GenerationCharOption::Third:
      return boy ? 888u : 5988u;
    case GenerationCharOption::None:
      break;
  }
  return std::nullopt;
}

GenerationOutcome runClassicMode(const CheckedRequest& run, const GenerationContext& context,
                                 const chars::CharacterLists& lists, const GenerationSinks& sinks) {
  const auto& request = run.request;
  const std::uint32_t seed = baseSeed(context.heavenGrid(), run.birthdayNumbers);
  common::RandomGenerator random(seed);
  GenerationOutcome outcome;
  RunQuality quality(run, context);
  const auto& list = lists.forGender(request.gender);
  if (const auto offset = classicSeedOffset(request.gender, request.nameLength, request.generationCharOption)) {
    random.seed(seed + *offset);
  }
  const bool threeCharacters = request.nameLength == NameLength::Three;
  const auto option = threeCharacters ? request.generationCharOption : GenerationCharOption::None;
  const Position fixed{context.generationCharRecord, run.generationCharacter, quality.generationCharacter()};

  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  // Without checks every draw is a row; with them the run draws on until kClassicRows names pass.
  int draws = 0;
  for (int i = 1; i <= kClassicRows && draws < kClassicMaxDraws;) {
    ++draws;
    std::vector<Position> given;
    if (!threeCharacters) {
      given.push_back(drawn(list, random, quality));
    } else if (option == GenerationCharOption::Second) {
      given.push_back(fixed);
      given.push_back(drawn(list, random, quality));
    } else if (option == GenerationCharOption::Third) {
      given.push_back(drawn(list, random, quality));
      given.push_back(fixed);
    } else {
      given.push_back(drawn(list, random, quality));
      given.push_back(drawn(list, random, quality));
    }
    RunQuality::Judgement judgement;
    if (quality.active()) {
      std::string elements;
      for (const auto& position : given) {
        elements += position.record.element;
      }
      judgement = quality.judge(elements, &given[0].sound, given.size() > 1 ? &given[1].sound : nullptr);
      if (!judgement.keep) {
        continue;
      }
    }

    std::vector<int> strokes;
    std::string name = request.surname;
    std::string elements = context.surnameRecord.element;
    std::string pinyin = context.surnamePinyin;
    for (const auto& position : given) {
      strokes.push_back(position.record.strokeCount());
      name += position.shown;
      elements += position.record.element;
      pinyin += ' ' + position.record.pinyin;
    }
    if (!scoring.scoreGivenName(strokes)) {
      ++i;
      continue;  // cannot happen: one or two given-name characters
    }
    if (sinks.row) {
      auto row = rowMaker.make(i, std::move(name), std::move(elements), std::move(pinyin), scoring);
      judgement.describe(row.details);
      sinks.row(std::move(row));
    }
    outcome.rowsWritten = i;
    ++i;
  }
  if (outcome.rowsWritten < kClassicRows) {
    outcome.summary = classicShortfallMessage(draws, outcome.rowsWritten);
  }
  return outcome;
}

}  // namespace quillan::generate
