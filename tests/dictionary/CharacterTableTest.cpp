// The committed dictionary: its fixed shape, and a check table of values a family would notice.
#include <gtest/gtest.h>

#include <set>

#include "CharacterTable.h"
#include "common/GbkCodec.h"
#include "common/TextNumbers.h"

namespace quillan::dictionary::test {
namespace {

const std::set<std::string> kElements = {"木", "火", "土", "金", "水"};

bool oneCharacter(const std::string& text) {
  const auto codePoints = common::decodeUtf8(text);
  return codePoints && codePoints->size() == 1;
}

TEST(CharacterTable, HasTheFixedColumnsInOrder) {
  const std::vector<std::string> expected = {"id",      "simplified",     "traditional",
                                             "pinyin",  "kangxi_strokes", "simplified_strokes",
                                             "radical", "element",        "readings"};
  EXPECT_EQ(committedTable().header, expected);
}

TEST(CharacterTable, HoldsOneWellFormedGbkRowPerCharacterInGbkOrder) {
  const auto& table = committedTable();
  ASSERT_GT(table.rows.size(), 20000U);
  EXPECT_EQ(table.rowOf.size(), table.rows.size()) << "a character stands twice";
  int previousId = 0;
  for (const auto& row : table.rows) {
    ASSERT_EQ(row.size(), 9U) << row[0];
    const std::string& simplified = row[1];
    const int id = common::textToInt(row[0]);
    EXPECT_GT(id, previousId) << simplified;
    previousId = id;
    const auto gbk = common::utf8ToGbk(simplified);
    ASSERT_TRUE(gbk) << simplified;
    EXPECT_EQ(id, (static_cast<unsigned char>((*gbk)[0]) << 8) | static_cast<unsigned char>((*gbk)[1]))
        << "the id is the GBK code of " << simplified;
    EXPECT_TRUE(oneCharacter(simplified) && oneCharacter(row[2])) << simplified;
    EXPECT_FALSE(row[3].empty()) << simplified;
    EXPECT_GE(common::textToInt(row[4]), 1) << simplified;
    EXPECT_GE(common::textToInt(row[5]), 1) << simplified;
    const int radical = common::textToInt(row[6]);
    EXPECT_TRUE(radical >= 1 && radical <= 214) << simplified;
    EXPECT_TRUE(kElements.contains(row[7])) << simplified;
    EXPECT_TRUE(row[8] == row[3] || row[8].starts_with(row[3] + " "))
        << "readings start with the pinyin: " << simplified;
    for (const auto& text : row) {
      EXPECT_TRUE(common::utf8ToGbk(text)) << "GBK cannot encode " << text;
    }
  }
}

struct Expected {
  const char* character;
  const char* column;
  const char* value;
};

class CheckTable : public ::testing::TestWithParam<Expected> {};

TEST_P(CheckTable, Matches) {
  const auto& [character, column, value] = GetParam();
  EXPECT_EQ(committedTable().field(character, column), value) << character << ' ' << column;
}

// Kangxi strokes of common surnames and name characters, the numerology convention for numerals.
INSTANTIATE_TEST_SUITE_P(KangxiStrokes, CheckTable,
                         ::testing::ValuesIn(std::vector<Expected>{
                             {"李", "kangxi_strokes", "7"},
                             {"王", "kangxi_strokes", "4"},
                             {"张", "kangxi_strokes", "11"},
                             {"刘", "kangxi_strokes", "15"},
                             {"陈", "kangxi_strokes", "16"},
                             {"杨", "kangxi_strokes", "13"},
                             {"黄", "kangxi_strokes", "12"},
                             {"赵", "kangxi_strokes", "14"},
                             {"吴", "kangxi_strokes", "7"},
                             {"周", "kangxi_strokes", "8"},
                             {"徐", "kangxi_strokes", "10"},
                             {"孙", "kangxi_strokes", "10"},
                             {"马", "kangxi_strokes", "10"},
                             {"朱", "kangxi_strokes", "6"},
                             {"胡", "kangxi_strokes", "11"},
                             {"郭", "kangxi_strokes", "15"},
                             {"何", "kangxi_strokes", "7"},
                             {"高", "kangxi_strokes", "10"},
                             {"林", "kangxi_strokes", "8"},
                             {"罗", "kangxi_strokes", "20"},
                             {"郑", "kangxi_strokes", "19"},
                             {"梁", "kangxi_strokes", "11"},
                             {"谢", "kangxi_strokes", "17"},
                             {"宋", "kangxi_strokes", "7"},
                             {"唐", "kangxi_strokes", "10"},
                             {"许", "kangxi_strokes", "11"},
                             {"韩", "kangxi_strokes", "17"},
                             {"冯", "kangxi_strokes", "12"},
                             {"邓", "kangxi_strokes", "19"},
                             {"曹", "kangxi_strokes", "11"},
                             {"彭", "kangxi_strokes", "12"},
                             {"曾", "kangxi_strokes", "12"},
                             {"明", "kangxi_strokes", "8"},
                             {"华", "kangxi_strokes", "14"},
                             {"成", "kangxi_strokes", "7"},
                             {"运", "kangxi_strokes", "16"},
                             {"欧", "kangxi_strokes", "15"},
                             {"阳", "kangxi_strokes", "17"},
                             {"小", "kangxi_strokes", "3"},
                             {"儿", "kangxi_strokes", "8"},
                             {"江", "kangxi_strokes", "7"},
                             {"海", "kangxi_strokes", "11"},
                             {"浩", "kangxi_strokes", "11"},
                             {"泽", "kangxi_strokes", "17"},
                             {"涛", "kangxi_strokes", "18"},
                             {"杰", "kangxi_strokes", "12"},
                             {"伟", "kangxi_strokes", "11"},
                             {"芳", "kangxi_strokes", "10"},
                             {"丽", "kangxi_strokes", "19"},
                             {"玲", "kangxi_strokes", "10"},
                             {"琳", "kangxi_strokes", "13"},
                             {"思", "kangxi_strokes", "9"},
                             {"雨", "kangxi_strokes", "8"},
                             {"欣", "kangxi_strokes", "8"},
                             {"怡", "kangxi_strokes", "9"},
                             {"宇", "kangxi_strokes", "6"},
                             {"轩", "kangxi_strokes", "10"},
                             {"子", "kangxi_strokes", "3"},
                             {"梓", "kangxi_strokes", "11"},
                             {"涵", "kangxi_strokes", "12"},
                             {"晨", "kangxi_strokes", "11"},
                             {"博", "kangxi_strokes", "12"},
                             {"文", "kangxi_strokes", "4"},
                             {"俊", "kangxi_strokes", "9"},
                             {"豪", "kangxi_strokes", "14"},
                             {"天", "kangxi_strokes", "4"},
                             {"志", "kangxi_strokes", "7"},
                             {"诗", "kangxi_strokes", "13"},
                             {"雅", "kangxi_strokes", "12"},
                             {"婷", "kangxi_strokes", "12"},
                             {"萱", "kangxi_strokes", "15"},
                             {"一", "kangxi_strokes", "1"},
                             {"四", "kangxi_strokes", "4"},
                             {"五", "kangxi_strokes", "5"},
                             {"六", "kangxi_strokes", "6"},
                             {"七", "kangxi_strokes", "7"},
                             {"九", "kangxi_strokes", "9"},
                             {"十", "kangxi_strokes", "10"},
                             // radicals whose modern count differs from Kangxi's
                             {"瓦", "kangxi_strokes", "5"},
                             {"鬼", "kangxi_strokes", "10"},
                             {"鼎", "kangxi_strokes", "13"},
                             {"龟", "kangxi_strokes", "16"},
                             {"廴", "kangxi_strokes", "3"},
                             {"禸", "kangxi_strokes", "5"},
                             // a residual counted on a reduced component never lowers the character's own count
                             {"紫", "kangxi_strokes", "12"},
                             {"泰", "kangxi_strokes", "10"},
                             // name forms counted on the form that was kept
                             {"范", "kangxi_strokes", "11"},
                             {"于", "kangxi_strokes", "3"},
                             {"郁", "kangxi_strokes", "13"},
                         }));

INSTANTIATE_TEST_SUITE_P(TraditionalForms, CheckTable,
                         ::testing::ValuesIn(std::vector<Expected>{
                             {"华", "traditional", "華"},
                             {"运", "traditional", "運"},
                             {"阳", "traditional", "陽"},
                             {"儿", "traditional", "兒"},
                             {"杰", "traditional", "傑"},
                             {"云", "traditional", "雲"},
                             {"丰", "traditional", "豐"},
                             {"钟", "traditional", "鍾"},
                             // Kangxi entries OpenCC alone would change
                             {"岳", "traditional", "岳"},
                             {"游", "traditional", "游"},
                             {"涌", "traditional", "涌"},
                             {"岩", "traditional", "岩"},
                             // surname and name forms (overrides)
                             {"范", "traditional", "范"},
                             {"于", "traditional", "于"},
                             {"余", "traditional", "余"},
                             {"朴", "traditional", "朴"},
                             {"党", "traditional", "党"},
                             {"干", "traditional", "干"},
                             {"种", "traditional", "种"},
                             {"郁", "traditional", "郁"},
                             {"后", "traditional", "后"},
                         }));

INSTANTIATE_TEST_SUITE_P(Pinyin, CheckTable,
                         ::testing::ValuesIn(std::vector<Expected>{
                             {"明", "pinyin", "míng"},
                             {"子", "pinyin", "zǐ"},
                             {"裳", "pinyin", "cháng"},
                             {"卜", "pinyin", "bǔ"},
                             {"女", "pinyin", "nǚ"},
                             {"长", "pinyin", "cháng"},
                             {"卓", "pinyin", "zhuó"},
                         }));

INSTANTIATE_TEST_SUITE_P(Elements, CheckTable,
                         ::testing::ValuesIn(std::vector<Expected>{
                             {"江", "element", "水"},
                             {"海", "element", "水"},
                             {"波", "element", "水"},
                             {"雨", "element", "水"},
                             {"冰", "element", "水"},
                             {"林", "element", "木"},
                             {"森", "element", "木"},
                             {"芳", "element", "木"},
                             {"竹", "element", "木"},
                             {"秀", "element", "木"},
                             {"炎", "element", "火"},
                             {"明", "element", "火"},
                             {"煜", "element", "火"},
                             {"坤", "element", "土"},
                             {"山", "element", "土"},
                             {"磊", "element", "土"},
                             {"鑫", "element", "金"},
                             {"铭", "element", "金"},
                             {"琳", "element", "金"},
                             {"刚", "element", "金"},
                             // by meaning where the radical says nothing or misleads (overrides)
                             {"川", "element", "水"},
                             {"春", "element", "木"},
                             {"光", "element", "火"},
                             {"燕", "element", "土"},
                             // by the initial where neither speaks
                             {"博", "element", "水"},
                             {"天", "element", "火"},
                             {"高", "element", "木"},
                             {"安", "element", "土"},
                             {"思", "element", "金"},
                         }));

}  // namespace
}  // namespace quillan::dictionary::test
