#include "generate/HighScoreMode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "generate/GenerationMessages.h"
#include "generate/RunQuality.h"
#include "scoring/LuckTable.h"

namespace quillan::generate {
namespace {

struct Candidate {
  chars::CharRecord record;
  int strokes;
  quality::SoundedChar sound;
};

// Where a row of an advanced run goes, known once every pair is; the rows themselves stay put.
struct RankKey {
  int favourable;
  int euphony;
  long scoreTenths;
  std::size_t row;
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
  RunQuality quality(run, context);
  // Parsed and sounded once: the pair loop reads every entry once per first character.
  std::vector<Candidate> candidates;
  for (const auto& entry : lists.forGender(request.gender)) {
    auto record = chars::parseEntry(entry);
    const int strokes = record.strokeCount();
    auto sound = quality.active() ? quality.soundListCharacter(record) : quality::SoundedChar{};
    candidates.push_back({std::move(record), strokes, std::move(sound)});
  }
  const int count = static_cast<int>(candidates.size());
  const auto progress = [&](int position) {
    if (sinks.progress) {
      sinks.progress(kGenerationProgress, count, position);
    }
  };

  auto scoring = context.scoringState;
  ResultRowMaker rowMaker;
  std::vector<ResultRow> held;
  std::vector<RankKey> ranking;
  progress(0);
  for (int i = 0; i < count; ++i) {
    const auto& first = candidates[static_cast<std::size_t>(i)];
    for (const auto& second : candidates) {
      const std::array strokes{first.strokes, second.strokes};
      if (!scoring.computeGivenGrids(strokes) || !passes(scoring)) {
        continue;
      }
      RunQuality::Judgement judgement;
      if (quality.active()) {
        judgement =
            quality.judge(std::string(first.record.element) + second.record.element, &first.sound, &second.sound);
        if (!judgement.keep) {
          continue;
        }
      }
      scoring.rateGrids();
      ++outcome.rowsWritten;
      if (!sinks.row && !quality.advanced()) {
        continue;
      }
      auto row =
          rowMaker.make(outcome.rowsWritten, request.surname + first.record.simplified + second.record.simplified,
                        context.surnameRecord.element + first.record.element + second.record.element,
                        context.surnamePinyin + ' ' + first.record.pinyin + ' ' + second.record.pinyin, scoring);
      judgement.describe(row.details);
      if (quality.advanced()) {
        ranking.push_back(
            {judgement.favourable, judgement.euphony, std::lround(scoring.totalScore() * 10), held.size()});
        held.push_back(std::move(row));
      } else {
        sinks.row(std::move(row));
      }
    }
    progress(i + 1);
  }
  if (quality.advanced()) {
    // With a known birthday the names bringing more of its 喜用神 first; then the highest 音律分, then
    // the higher score; equal ones keep the plain run's order.
    std::stable_sort(ranking.begin(), ranking.end(), [](const RankKey& a, const RankKey& b) {
      if (a.favourable != b.favourable) {
        return a.favourable > b.favourable;
      }
      return a.euphony != b.euphony ? a.euphony > b.euphony : a.scoreTenths > b.scoreTenths;
    });
    int number = 0;
    for (const RankKey& key : ranking) {
      ResultRow& row = held[key.row];
      row.cells[0] = std::to_string(++number);
      if (sinks.row) {
        sinks.row(std::move(row));
      }
    }
  }
  outcome.summary = highScoreSummary(outcome.rowsWritten) + quality.tally().summaryLine();
  return outcome;
}

}  // namespace quillan::generate
