#include "compare/Comparison.h"

#include <algorithm>
#include <array>

#include "chars/CharDetails.h"
#include "common/TextSplit.h"
#include "scoring/Element.h"

namespace quillan::compare {
namespace {

using chars::CharRecord;

constexpr std::array<const char*, 5> kGridTitles{"天格", "人格", "地格", "外格", "总格"};

// The placed characters of an evaluation with their details, surname first.
struct Placed {
  const CharRecord* record;
  const chars::CharDetails* details;
  bool given;
};

std::vector<Placed> placed(const evaluate::ReportInputs& inputs) {
  const std::array<const CharRecord*, 4> records{&inputs.surname1, &inputs.surname2, &inputs.given1, &inputs.given2};
  std::vector<Placed> out;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!records[i]->simplified.empty()) {
      out.push_back({records[i], &inputs.details[i], i >= 2});
    }
  }
  return out;
}

template <typename Part>
std::string joinParts(const std::vector<Placed>& characters, std::string_view separator, Part part) {
  std::string text;
  for (const Placed& p : characters) {
    std::string piece = part(p);
    if (piece.empty()) {
      continue;
    }
    if (!text.empty()) {
      text += separator;
    }
    text += piece;
  }
  return text;
}

}  // namespace

Comparison compareNames(const std::vector<ComparedName>& names, evaluate::NumerologyTexts* texts) {
  Comparison comparison;
  std::vector<std::vector<std::string>> columns;
  for (const ComparedName& name : names) {
    const evaluate::Evaluation& e = name.evaluation;
    const auto characters = placed(e.inputs);
    comparison.names.push_back(e.result.name);
    std::vector<std::string> cells;
    cells.push_back(e.result.name);
    cells.push_back(joinParts(characters, "", [](const Placed& p) { return p.record->traditional; }));
    cells.push_back(joinParts(characters, " ", [](const Placed& p) { return p.record->pinyin; }));
    cells.push_back(joinParts(characters, " ", [](const Placed& p) { return p.record->strokes; }));
    cells.push_back(joinParts(characters, " ", [](const Placed& p) {
      const std::string basis = chars::elementBasisWord(*p.details);
      return p.record->element + (basis.empty() ? "" : "（" + basis + "）");
    }));
    const auto luck = common::splitText(e.result.luck, " ");
    for (std::size_t g = 0; g < kGridTitles.size(); ++g) {
      const int number = e.inputs.grids[g];
      std::string cell =
          std::to_string(number) + " " + std::string(scoring::elementWord(scoring::elementOfNumber(number)));
      if (g < luck.size()) {
        cell += " " + luck[g];
      }
      cells.push_back(cell);
    }
    std::string talents = e.result.talents;
    std::erase(talents, ' ');
    if (texts != nullptr) {
      const std::string label = texts->talentTexts(talents).luck;
      if (!label.empty()) {
        talents += " " + label;
      }
    }
    cells.push_back(talents);
    cells.push_back(e.result.score);
    cells.push_back(e.result.verdict);
    cells.push_back(name.euphony >= 0 ? std::to_string(name.euphony) : "—");
    cells.push_back(joinParts(characters, "；", [](const Placed& p) {
      return p.given && !p.details->meaning.empty() ? p.record->simplified + "：" + p.details->meaning : std::string();
    }));
    columns.push_back(std::move(cells));
  }

  std::vector<std::string> labels{"姓名", "繁体", "拼音", "笔画", "五行（依据）"};
  labels.insert(labels.end(), kGridTitles.begin(), kGridTitles.end());
  for (const char* label : {"三才", "综合评分", "评语", "音律分", "字义"}) {
    labels.emplace_back(label);
  }
  for (std::size_t r = 0; r < labels.size(); ++r) {
    ComparisonRow row{labels[r], {}, false};
    for (const auto& column : columns) {
      row.cells.push_back(column[r]);
    }
    row.differs = std::adjacent_find(row.cells.begin(), row.cells.end(), std::not_equal_to<>()) != row.cells.end();
    comparison.rows.push_back(std::move(row));
  }
  return comparison;
}

std::string comparisonText(const Comparison& comparison) {
  std::string text;
  for (const ComparisonRow& row : comparison.rows) {
    text += row.differs ? "* " : "  ";
    text += row.label;
    for (const std::string& cell : row.cells) {
      text += '\t';
      text += cell;
    }
    text += '\n';
  }
  return text;
}

}  // namespace quillan::compare
