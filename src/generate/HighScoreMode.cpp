#include "generate/HighScoreMode.h"

#include <array>
#include <vector>

#include "generate/GenerationMessages.h"

namespace quillan::generate {
namespace {

constexpr int kHighScoreNumbers[] = {3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32,
                                     33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 81};

constexpr auto kPasses = [] {
  std::array<bool, 82> passes{};
  for (int number : kHighScoreNumbers) {
    passes[static_cast<std::size_t>(number)] = true;
  }
  return passes;
}();

struct Candidate {
  chars::CharRecord record;
  int strokes;
};

}  // namespace

bool isHighScoreNumber(int number) {
  return number >= 0 && number < static_cast<int>(kPasses.size()) && kPasses[static_cast<std::size_t>(number)];
}

GenerationOutcome runHighScoreMode(const GenerationRequest& request, const GenerationContext& context,
                                   const chars::CharacterLists& lists, const GenerationSinks& sinks) {
  GenerationOutcome outcome;
  if (request.algorithm != Algorithm::Normal) {
    return outcome;
  }
  // Parsed once: the pair loop reads every entry once per passing first character.
  std::vector<Candidate> candidates;
  for (const auto& entry : lists.forGender(request.gender)) {
    auto record = chars::parseEntry(entry);
    const int strokes = record.strokeCount();
    candidates.push_back({std::move(record), strokes});
  }
  const int count = static_cast<int>(candidates.size());
  const auto progress = [&](int position) {
    if (sinks.progress) {
      sinks.progress(kGenerationProgress, count, position);
    }
  };

  const int lastSurnameStrokes = context.surnameRecord.strokeCount();
  // 总格 is the sum of all strokes; a one-character surname's 天格 carries a borrowed 1.
  const int surnameStrokes = context.surnameByteLength == 2 ? context.heavenGrid() - 1 : context.heavenGrid();
  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  progress(0);
  for (int i = 0; i < count; ++i) {
    const auto& first = candidates[static_cast<std::size_t>(i)];
    if (isHighScoreNumber(lastSurnameStrokes + first.strokes)) {
      for (const auto& second : candidates) {
        if (!isHighScoreNumber(first.strokes + second.strokes) ||
            !isHighScoreNumber(surnameStrokes + first.strokes + second.strokes)) {
          continue;
        }
        scoring.scoreGivenName(std::array{first.strokes, second.strokes});
        ++outcome.rowsWritten;
        if (sinks.row) {
          sinks.row(
              rowMaker.make(outcome.rowsWritten, request.surname + first.record.simplified + second.record.simplified,
                            context.surnameRecord.element + first.record.element + second.record.element, scoring));
        }
      }
    }
    progress(i + 1);
  }
  outcome.summary = highScoreSummary(outcome.rowsWritten);
  return outcome;
}

}  // namespace quillan::generate
