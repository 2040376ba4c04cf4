#include "scoring/ScoringState.h"

#include "common/ScoreFormat.h"
#include "scoring/ThreeTalentsTable.h"

namespace quillan::scoring {
namespace {

// Points of a scored grid by luck class, in tenths, with the texts the report shows.
struct Points {
  int tenths;
  std::string_view text;
};
constexpr Points kMainPoints[] = {{120, "12"}, {70, " 7"}, {30, "3"}};   // 人格, 地格, 总格
constexpr Points kOuterPoints[] = {{10, "1"}, {10, " 1"}, {8, " 0.8"}};  // 外格

constexpr int kBaseTenths = 550;

}  // namespace

bool ScoringState::computeHeavenGrid(std::span<const int> surnameStrokes) {
  if (surnameStrokes.size() == 1) {
    grids_[index(Grid::Heaven)] = surnameStrokes[0] + 1;
    lastSurnameStrokes_ = surnameStrokes[0];
  } else if (surnameStrokes.size() == 2) {
    grids_[index(Grid::Heaven)] = surnameStrokes[0] + surnameStrokes[1];
    lastSurnameStrokes_ = surnameStrokes[1];
  } else {
    return false;
  }
  surnameLength_ = static_cast<int>(surnameStrokes.size());
  return true;
}

bool ScoringState::computeGivenGrids(std::span<const int> givenStrokes) {
  const auto givenLength = givenStrokes.size();
  if (surnameLength_ == 0 || givenLength < 1 || givenLength > 2) {
    return false;
  }
  const int g1 = givenStrokes[0];
  const int g2 = givenLength == 2 ? givenStrokes[1] : 0;
  const int heaven = grids_[index(Grid::Heaven)];
  const int person = lastSurnameStrokes_ + g1;
  const int earth = givenLength == 1 ? g1 + 1 : g1 + g2;
  // 天格 carries a borrowed 1 for a one-character surname; 总格 is the plain sum of all strokes.
  const int total = (surnameLength_ == 1 ? heaven - 1 : heaven) + g1 + g2;
  const int k = 4 - surnameLength_ - static_cast<int>(givenLength);  // 2, 1, 1 or 0
  grids_[index(Grid::Person)] = person;
  grids_[index(Grid::Earth)] = earth;
  grids_[index(Grid::Total)] = total;
  grids_[index(Grid::Outer)] = total - person + k;
  return true;
}

bool ScoringState::computeFiveGrids(std::span<const int> surnameStrokes, std::span<const int> givenStrokes) {
  return computeHeavenGrid(surnameStrokes) && computeGivenGrids(givenStrokes);
}

void ScoringState::rateGridLuck() {
  for (std::size_t i = 0; i < grids_.size(); ++i) {
    luck_[i] = rateNumber(grids_[i]);
  }
}

void ScoringState::gridElementsOf() {
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    elements_[i] = elementOfNumber(grids_[i]);
  }
}

void ScoringState::rateThreeTalents() {
  const auto& values = threeTalentsValues(elements_[0], elements_[1], elements_[2]);
  for (std::size_t i = 0; i < values.halves.size(); ++i) {
    partTenths_[6 + i] = values.halves[i] * 5;
    partText_[6 + i] = talentValueText(values.halves[i]);
  }
}

void ScoringState::rateGridPoints() {
  const auto setPoints = [this](Grid grid, const Points* table) {
    const auto& points = table[static_cast<std::size_t>(luck_[index(grid)])];
    partTenths_[index(grid) + 1] = points.tenths;
    partText_[index(grid) + 1] = points.text;
  };
  setPoints(Grid::Person, kMainPoints);
  setPoints(Grid::Earth, kMainPoints);
  setPoints(Grid::Outer, kOuterPoints);
  setPoints(Grid::Total, kMainPoints);
}

double ScoringState::totalScore() const {
  int tenths = kBaseTenths;
  for (std::size_t slot = 2; slot <= 9; ++slot) {
    tenths += partTenths_[slot];
  }
  return tenths / 10.0;
}

std::string ScoringState::scoreText() const { return common::formatScore(totalScore()); }

double ScoringState::rateGrids() {
  rateGridLuck();
  gridElementsOf();
  rateThreeTalents();
  rateGridPoints();
  return totalScore();
}

std::optional<double> ScoringState::scoreGivenName(std::span<const int> givenStrokes) {
  if (!computeGivenGrids(givenStrokes)) {
    return std::nullopt;
  }
  return rateGrids();
}

std::string ScoringState::combinationText() const {
  std::string text;
  for (Element element : elements_) {
    text.append(elementWord(element));
  }
  return text;
}

}  // namespace quillan::scoring
