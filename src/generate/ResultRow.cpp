#include "generate/ResultRow.h"

#include <span>

#include "scoring/ScoringState.h"

namespace quillan::generate {
namespace {

using scoring::Grid;

constexpr Grid kGrids[] = {Grid::Heaven, Grid::Person, Grid::Earth, Grid::Outer, Grid::Total};
constexpr Grid kTalentGrids[] = {Grid::Heaven, Grid::Person, Grid::Earth};

template <typename Cell>
std::string joinGrids(std::span<const Grid> grids, Cell cell) {
  std::string text;
  for (Grid grid : grids) {
    if (!text.empty()) {
      text += ',';
    }
    text += cell(grid);
  }
  return text;
}

}  // namespace

ResultRow makeResultRow(int number, std::string name, std::string elements, const scoring::ScoringState& scoring) {
  ResultRow row;
  row.cells[0] = std::to_string(number);
  row.cells[1] = std::move(name);
  row.cells[2] = std::move(elements);
  row.cells[3] = joinGrids(kGrids, [&](Grid grid) { return scoring.gridNumberText(grid); });
  row.cells[4] = joinGrids(kGrids, [&](Grid grid) { return std::string(scoring.gridLuckWord(grid)); });
  row.cells[5] =
      joinGrids(kTalentGrids, [&](Grid grid) { return std::string(scoring::elementWord(scoring.gridElement(grid))); });
  row.cells[6] = scoring.scoreText();
  return row;
}

}  // namespace quillan::generate
