#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::scoring {
class ScoringState;
}

namespace quillan::generate {

inline constexpr std::size_t kResultColumnCount = 7;

// The result list's column titles, in column order.
inline constexpr std::array<std::string_view, kResultColumnCount> kResultColumnTitles{
    "编号", "姓名", "五行", "天格,人格,地格,外格,总格", "五格吉凶", "三才", "综合评分"};

enum class ResultColumn : std::size_t { Number, Name, Elements, Grids, Luck, Talents, Score };

// What a row knows beyond its seven cells, for sorting, searching and tooltips; never exported.
struct RowDetails {
  std::string pinyin;        // the full name's readings, one syllable per character, blank-separated: "lǐ míng huá"
  int euphony = -1;          // 音律分 0–100 when the run judged how the name reads ("高级算法"), else -1
  bool judged = false;       // the run checked the name's quality (below)
  unsigned failedGates = 0;  // bit (1 << quality::Gate) of each gate it failed
  unsigned warnedGates = 0;  // and of each warning
  int favourable = -1;  // given-name characters whose 字意五行 is the birth chart's 用神 or 喜神; -1 unknown

  bool operator==(const RowDetails&) const = default;
};

// One row of the result list: the texts of its seven cells.
struct ResultRow {
  std::array<std::string, kResultColumnCount> cells;
  RowDetails details;

  const std::string& operator[](ResultColumn column) const { return cells[static_cast<std::size_t>(column)]; }
  bool operator==(const ResultRow&) const = default;
};

// Makes the rows of one run. It keeps the score texts it has made, since a run of tens of thousands
// of rows meets only a few dozen scores.
class ResultRowMaker {
 public:
  // A row for the name scored last: number (1-based), the full name, its elements as shown and its
  // readings (surname first), then grids, luck words, three talents and score from the scoring state.
  ResultRow make(int number, std::string name, std::string elements, std::string pinyin,
                 const scoring::ScoringState& scoring);

 private:
  std::string scoreText(const scoring::ScoringState& scoring);

  std::vector<std::string> scoreTexts_;  // by score in tenths; empty until met
};

}  // namespace quillan::generate
