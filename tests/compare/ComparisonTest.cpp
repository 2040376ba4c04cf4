#include "compare/Comparison.h"

#include <gtest/gtest.h>

#include "chars/MemoryCharacterLookup.h"

namespace quillan::compare {
namespace {

class LabelTexts final : public evaluate::NumerologyTexts {
 public:
  evaluate::NumberTexts numberTexts(int) override { return {}; }
  evaluate::TalentTexts talentTexts(std::string_view combination) override {
    return {std::string(combination), combination == "金土火" ? "吉" : "凶", {}, {}, {}, {}, {}, {}, {}, {}};
  }
};

chars::MemoryCharacterLookup lookup() {
  chars::MemoryCharacterLookup table;
  chars::CharDetails meaningBasis;
  meaningBasis.elementBasis = "meaning";
  meaningBasis.meaning = "光明";
  table.add(chars::parseEntry("李,李,lǐ,7,火"), {});
  table.add(chars::parseEntry("明,明,míng,8,火"), meaningBasis);
  table.add(chars::parseEntry("华,華,huá,14,水"));
  table.add(chars::parseEntry("远,遠,yuǎn,17,土"));
  return table;
}

const ComparisonRow& row(const Comparison& comparison, const std::string& label) {
  for (const auto& r : comparison.rows) {
    if (r.label == label) {
      return r;
    }
  }
  throw std::runtime_error("no row " + label);
}

TEST(Comparison, NamesSideBySideWithTheirDifferencesMarked) {
  auto table = lookup();
  const auto a = evaluate::evaluateName("李", "明华", table);
  const auto b = evaluate::evaluateName("李", "明远", table);
  ASSERT_EQ(a.status, evaluate::EvaluationStatus::Done);
  ASSERT_EQ(b.status, evaluate::EvaluationStatus::Done);
  LabelTexts texts;
  const Comparison comparison = compareNames({{a, 88}, {b, -1}}, &texts);

  EXPECT_EQ(comparison.names, (std::vector<std::string>{"李明华", "李明远"}));
  EXPECT_EQ(row(comparison, "繁体").cells, (std::vector<std::string>{"李明華", "李明遠"}));
  EXPECT_EQ(row(comparison, "拼音").cells[0], "lǐ míng huá");
  EXPECT_EQ(row(comparison, "笔画").cells[1], "7 8 17");
  EXPECT_EQ(row(comparison, "五行（依据）").cells[0], "火 火（字义） 水");
  // 天格 of a one-character surname: its strokes and one; the same for both names.
  EXPECT_EQ(row(comparison, "天格").cells,
            (std::vector<std::string>{"8 金 " + a.result.luck.substr(0, a.result.luck.find(' ')),
                                      "8 金 " + b.result.luck.substr(0, b.result.luck.find(' '))}));
  EXPECT_FALSE(row(comparison, "天格").differs);
  EXPECT_TRUE(row(comparison, "笔画").differs);
  EXPECT_TRUE(row(comparison, "地格").differs);
  EXPECT_EQ(row(comparison, "音律分").cells, (std::vector<std::string>{"88", "—"}));
  EXPECT_EQ(row(comparison, "字义").cells, (std::vector<std::string>{"明：光明", "明：光明"}));
  EXPECT_FALSE(row(comparison, "字义").differs);
  std::string combination = a.result.talents;
  std::erase(combination, ' ');
  EXPECT_EQ(row(comparison, "三才").cells[0], combination + (combination == "金土火" ? " 吉" : " 凶"));
  EXPECT_EQ(row(comparison, "综合评分").cells[0], a.result.score);
}

TEST(Comparison, TextMarksTheLinesThatDiffer) {
  auto table = lookup();
  const auto a = evaluate::evaluateName("李", "明华", table);
  const auto b = evaluate::evaluateName("李", "明远", table);
  const std::string text = comparisonText(compareNames({{a, -1}, {b, -1}}, nullptr));
  EXPECT_NE(text.find("* 姓名\t李明华\t李明远\n"), std::string::npos);
  EXPECT_NE(text.find("  天格\t"), std::string::npos);
}

}  // namespace
}  // namespace quillan::compare
