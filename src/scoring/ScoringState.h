#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "scoring/Element.h"
#include "scoring/LuckTable.h"

namespace quillan::scoring {

// Grid positions in the fixed order of every output: 天格, 人格, 地格, 外格, 总格.
enum class Grid : unsigned char { Heaven, Person, Earth, Outer, Total };
inline constexpr int kGridCount = 5;

// The results for the name scored last. Each generation run or evaluation owns one. The work is
// done in a fixed order: computeHeavenGrid once per surname, then per name computeGivenGrids,
// rateGridLuck, gridElementsOf, rateThreeTalents, rateGridPoints and totalScore.
class ScoringState {
 public:
  // Step one, 天格 from the surname's strokes: s1 + 1 for one character, s1 + s2 for two. Any other
  // length computes nothing and returns false.
  bool computeHeavenGrid(std::span<const int> surnameStrokes);

  // Step two, 人格, 地格, 总格 and 外格 from the given name's strokes (one or two characters); any other
  // length, or no surname yet, leaves the grids untouched and returns false.
  bool computeGivenGrids(std::span<const int> givenStrokes);

  // Both steps at once.
  bool computeFiveGrids(std::span<const int> surnameStrokes, std::span<const int> givenStrokes);

  void rateGridLuck();
  void gridElementsOf();
  // The four three-talents values of the 天格, 人格 and 地格 elements (score parts 6-9).
  void rateThreeTalents();
  // The points of 人格, 地格, 外格 and 总格 by their luck (score parts 2-5).
  void rateGridPoints();
  double totalScore() const;

  // The rating steps on the grids computed last, in their order; returns the score.
  double rateGrids();

  // Score of the name computed last, "%.13g".
  std::string scoreText() const;

  // Runs step two and the rating steps for one given name and returns its score; the generators'
  // usual call once the surname is set. nullopt, with nothing rated, when step two cannot run.
  std::optional<double> scoreGivenName(std::span<const int> givenStrokes);

  int gridNumber(Grid grid) const { return grids_[index(grid)]; }
  std::string gridNumberText(Grid grid) const { return std::to_string(gridNumber(grid)); }
  std::string_view gridLuckWord(Grid grid) const { return luckWord(luck_[index(grid)]); }
  // Elements of 天格, 人格, 地格 only.
  Element gridElement(Grid grid) const { return elements_[index(grid)]; }
  // The three-talents combination, such as "金土水".
  std::string combinationText() const;

  // Score parts by slot 2..9: 2-5 points of 人格, 地格, 外格, 总格; 6-9 three-talents values.
  double scorePart(int slot) const { return partTenths_[static_cast<std::size_t>(slot)] / 10.0; }
  // The stored text of a part, as the report shows it ("12", " 7", " 0.8", "1.5"); empty before it is set.
  std::string_view scorePartText(int slot) const { return partText_[static_cast<std::size_t>(slot)]; }

 private:
  static constexpr std::size_t index(Grid grid) { return static_cast<std::size_t>(grid); }

  int surnameLength_ = 0;
  int lastSurnameStrokes_ = 0;
  std::array<int, kGridCount> grids_{};
  std::array<Luck, kGridCount> luck_{};
  std::array<Element, 3> elements_{};
  // Parts in tenths so that the sum is exact; slot 1 is unused.
  std::array<int, 10> partTenths_{};
  std::array<std::string_view, 10> partText_{};
};

}  // namespace quillan::scoring
