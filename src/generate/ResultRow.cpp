#include "generate/ResultRow.h"

#include <charconv>
#include <cmath>

#include "scoring/ScoringState.h"

namespace quillan::generate {
namespace {

using scoring::Grid;

constexpr Grid kGrids[] = {Grid::Heaven, Grid::Person, Grid::Earth, Grid::Outer, Grid::Total};
constexpr Grid kTalentGrids[] = {Grid::Heaven, Grid::Person, Grid::Earth};

// Scores stay within 68.8 … 100; the table leaves room for anything a future table might give.
constexpr long kMaxCachedTenths = 2000;

std::string gridsText(const scoring::ScoringState& scoring) {
  char buffer[5 * 12];
  char* end = buffer;
  for (Grid grid : kGrids) {
    if (end != buffer) {
      *end++ = ',';
    }
    end = std::to_chars(end, buffer + sizeof buffer, scoring.gridNumber(grid)).ptr;
  }
  return std::string(buffer, end);
}

template <typename Word>
std::string joinWords(std::span<const Grid> grids, Word word) {
  std::string text;
  text.reserve(32);
  for (Grid grid : grids) {
    if (!text.empty()) {
      text += ',';
    }
    text += word(grid);
  }
  return text;
}

}  // namespace

ResultRow ResultRowMaker::make(int number, std::string name, std::string elements, std::string pinyin,
                               const scoring::ScoringState& scoring) {
  ResultRow row;
  row.details.pinyin = std::move(pinyin);
  row.cells[0] = std::to_string(number);
  row.cells[1] = std::move(name);
  row.cells[2] = std::move(elements);
  row.cells[3] = gridsText(scoring);
  row.cells[4] = joinWords(kGrids, [&](Grid grid) { return scoring.gridLuckWord(grid); });
  row.cells[5] = joinWords(kTalentGrids, [&](Grid grid) { return scoring::elementWord(scoring.gridElement(grid)); });
  row.cells[6] = scoreText(scoring);
  return row;
}

std::string ResultRowMaker::scoreText(const scoring::ScoringState& scoring) {
  const long tenths = std::lround(scoring.totalScore() * 10);
  if (tenths < 0 || tenths > kMaxCachedTenths) {
    return scoring.scoreText();
  }
  if (scoreTexts_.empty()) {
    scoreTexts_.resize(kMaxCachedTenths + 1);
  }
  auto& text = scoreTexts_[static_cast<std::size_t>(tenths)];
  if (text.empty()) {
    text = scoring.scoreText();
  }
  return text;
}

}  // namespace quillan::generate
