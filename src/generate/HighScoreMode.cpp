#include "generate/HighScoreMode.h"

#include <array>
#include <vector>

#include "generate/GenerationMessages.h"
#include "scoring/LuckTable.h"

namespace quillan::generate {
namespace {

struct Candidate {
  chars::CharRecord record;
  int strokes;
};

bool passes(const scoring::ScoringState& scoring) {
  using scoring::Grid;
  return scoring::isHighScoreNumber(scoring.gridNumber(Grid::Person)) &&
         scoring::isHighScoreNumber(scoring.gridNumber(Grid::Earth)) &&
         scoring::isHighScoreNumber(scoring.gridNumber(Grid::Total));
}

}  // namespace

GenerationOutcome runHighScoreMode(const CheckedRequest& run, const GenerationContext& context,
                                   const chars::CharacterLists& lists, const GenerationSinks& sinks) {
  const auto& request = run.request;
  GenerationOutcome outcome;
  if (request.algorithm != Algorithm::Normal) {
    return outcome;
  }
  // Parsed once: the pair loop reads every entry once per first character.
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

  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  progress(0);
  for (int i = 0; i < count; ++i) {
    const auto& first = candidates[static_cast<std::size_t>(i)];
    for (const auto& second : candidates) {
      const std::array strokes{first.strokes, second.strokes};
      if (!scoring.computeGivenGrids(strokes) || !passes(scoring)) {
        continue;
      }
      scoring.rateGrids();
      ++outcome.rowsWritten;
      if (sinks.row) {
        sinks.row(
            rowMaker.make(outcome.rowsWritten, request.surname + first.record.simplified + second.record.simplified,
                          context.surnameRecord.element + first.record.element + second.record.element,
                          context.surnamePinyin + ' ' + first.record.pinyin + ' ' + second.record.pinyin, scoring));
      }
    }
    progress(i + 1);
  }
  outcome.summary = highScoreSummary(outcome.rowsWritten);
  return outcome;
}

}  // namespace quillan::generate
