#include <gtest/gtest.h>

#include "common/PinyinKey.h"
#include "resultview/RowFilter.h"
#include "resultview/RowKeys.h"

namespace quillan::resultview {
namespace {

using generate::ResultRow;

ResultRow row(std::string number, std::string name, std::string grids, std::string score, std::string pinyin,
              int euphony) {
  return {
      {std::move(number), std::move(name), "木火水", std::move(grids), "吉,吉,吉,吉,吉", "木,木,木", std::move(score)},
      {std::move(pinyin), euphony}};
}

// Texts that order differently from their numbers: "100" before "96.5", "9" after "10".
const std::vector<ResultRow> kRows{
    row("1", "李明华", "8,15,22,15,29", "96.5", "lǐ míng huá", 90),
    row("2", "李安", "8,13,6,1,13", "100", "lǐ ān", 9),
    row("3", "李思远", "8,16,9,1,16", "96.5", "lǐ sī yuǎn", 75),
    row("10", "李明", "8,15,9,2,15", "82", "lǐ míng", 100),
};

std::vector<std::string> names(const std::vector<std::size_t>& order) {
  std::vector<std::string> out;
  for (std::size_t i : order) {
    out.push_back(kRows[i].cells[1]);
  }
  return out;
}

using Names = std::vector<std::string>;

TEST(RowOrder, ColumnsSortByTheirValues) {
  const RowFilter none;
  EXPECT_EQ(names(shownRows(kRows, none, SortColumn::Score, SortOrder::Ascending)),
            (Names{"李明", "李明华", "李思远", "李安"}));
  EXPECT_EQ(names(shownRows(kRows, none, SortColumn::Euphony, SortOrder::Ascending)),
            (Names{"李安", "李思远", "李明华", "李明"}));
  EXPECT_EQ(names(shownRows(kRows, none, SortColumn::Number, SortOrder::Descending)),
            (Names{"李明", "李思远", "李安", "李明华"}));
  EXPECT_EQ(names(shownRows(kRows, none, SortColumn::Grids, SortOrder::Ascending)),
            (Names{"李安", "李明", "李明华", "李思远"}));
  // By sound, then tone: ān, míng, míng huá, sī.
  EXPECT_EQ(names(shownRows(kRows, none, SortColumn::Name, SortOrder::Ascending)),
            (Names{"李安", "李明", "李明华", "李思远"}));
}

TEST(RowOrder, ReversalKeepsTiesInListOrder) {
  EXPECT_EQ(names(shownRows(kRows, {}, SortColumn::Score, SortOrder::Descending)),
            (Names{"李安", "李明华", "李思远", "李明"}));
}

TEST(RowOrder, FilterAndOrderTogether) {
  RowFilter filter;
  filter.minScore = 90;
  EXPECT_EQ(names(shownRows(kRows, filter, SortColumn::Euphony, SortOrder::Descending)),
            (Names{"李明华", "李思远", "李安"}));
  EXPECT_EQ(names(shownRows(kRows, filter, std::nullopt, SortOrder::Ascending)), (Names{"李明华", "李安", "李思远"}));
}

TEST(PinyinKey, SoundFirstThenTone) {
  EXPECT_EQ(common::pinyinKey("lǐ míng huá"), "li3 ming2 hua2");
  EXPECT_EQ(common::pinyinKey("lǜ zi"), "lv4 zi5");
  EXPECT_LT(common::pinyinKey("mā"), common::pinyinKey("má"));
  EXPECT_LT(common::pinyinKey("má"), common::pinyinKey("mán"));
  EXPECT_LT(common::pinyinKey("nu"), common::pinyinKey("nǚ"));
}

TEST(SortColumnNames, TheCommandLineKeys) {
  EXPECT_EQ(sortColumnNamed("score"), SortColumn::Score);
  EXPECT_EQ(sortColumnNamed("name"), SortColumn::Name);
  EXPECT_EQ(sortColumnNamed("euphony"), SortColumn::Euphony);
  EXPECT_EQ(sortColumnNamed("height"), std::nullopt);
}

}  // namespace
}  // namespace quillan::resultview
