// The committed dictionary: its fixed shape, and a check table of values a family would notice.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "CharacterTable.h"
#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::dictionary::test {
namespace {

const std::set<std::string> kElements = {"木", "火", "土", "金", "水"};

bool oneCharacter(const std::string& text) {
  const auto codePoints = common::decodeUtf8(text);
  return codePoints && codePoints->size() == 1;
}

TEST(CharacterTable, HasTheFixedColumnsInOrder) {
  const std::vector<std::string> expected = {
      "id",      "simplified", "traditional", "pinyin",    "kangxi_strokes", "simplified_strokes",
      "radical", "element",    "readings",    "tgh_level", "element_basis"};
  EXPECT_EQ(common::splitText(readLines(QUILLAN_SOURCE_DIR "/data/dictionary/characters.tsv").front(), "\t"), expected);
}

TEST(CharacterTable, HoldsOneWellFormedGbkRowPerCharacterInGbkOrder) {
  const auto& rows = committedTable().rows();
  ASSERT_GT(rows.size(), 20000U);
  int previousId = 0;
  for (const auto& row : rows) {
    const std::string& simplified = row.simplified;
    EXPECT_EQ(committedTable().find(simplified), &row) << "a character stands twice: " << simplified;
    EXPECT_GT(row.id, previousId) << simplified;
    previousId = row.id;
    const auto gbk = common::utf8ToGbk(simplified);
    ASSERT_TRUE(gbk) << simplified;
    EXPECT_EQ(row.id, (static_cast<unsigned char>((*gbk)[0]) << 8) | static_cast<unsigned char>((*gbk)[1]))
        << "the id is the GBK code of " << simplified;
    EXPECT_TRUE(oneCharacter(simplified) && oneCharacter(row.traditional)) << simplified;
    EXPECT_FALSE(row.pinyin.empty()) << simplified;
    EXPECT_GE(row.kangxiStrokes, 1) << simplified;
    EXPECT_GE(row.simplifiedStrokes, 1) << simplified;
    EXPECT_TRUE(row.radical >= 1 && row.radical <= 214) << simplified;
    EXPECT_TRUE(kElements.contains(row.element)) << simplified;
    ASSERT_FALSE(row.readings.empty()) << simplified;
    EXPECT_EQ(row.readings.front(), row.pinyin) << "readings start with the pinyin: " << simplified;
    for (const auto& text : {row.traditional, row.pinyin, common::joinText(row.readings, " ")}) {
      EXPECT_TRUE(common::utf8ToGbk(text)) << "GBK cannot encode " << text;
    }
  }
}

// A check table: blank-separated items, each a character directly followed by the value it
// expects in one column ("李7", "华華", "明míng").
void expectColumn(const char* column, std::string_view checks) {
  for (const auto& item : common::splitText(checks, " ")) {
    const auto codePoints = common::decodeUtf8(item);
    ASSERT_TRUE(codePoints && codePoints->size() >= 2) << item;
    std::string character;
    common::appendUtf8(character, codePoints->front());
    EXPECT_EQ(field(character, column), item.substr(character.size())) << character << ' ' << column;
  }
}

TEST(CheckTable, KangxiStrokes) {
  expectColumn("kangxi_strokes",
               "李7 王4 张11 刘15 陈16 杨13 黄12 赵14 吴7 周8 徐10 孙10 马10 朱6 胡11 郭15 何7 高10 林8 罗20 "
               "郑19 梁11 谢17 宋7 唐10 许11 韩17 冯12 邓19 曹11 彭12 曾12 明8 华14 成7 运16 欧15 阳17 小3 "
               "儿8 江7 海11 浩11 泽17 涛18 杰12 伟11 芳10 丽19 玲10 琳13 思9 雨8 欣8 怡9 宇6 轩10 子3 梓11 "
               "涵12 晨11 博12 文4 俊9 豪14 天4 志7 诗13 雅12 婷12 萱15");
  // the numerals count their value, the numerology convention
  expectColumn("kangxi_strokes", "一1 四4 五5 六6 七7 九9 十10");
  // radicals whose modern count differs from Kangxi's
  expectColumn("kangxi_strokes", "瓦5 鬼10 鼎13 龟16 廴3 禸5");
  // a residual counted on a reduced component never lowers the character's own count
  expectColumn("kangxi_strokes", "紫12 泰10");
  // surname and name forms are counted on the form that was kept
  expectColumn("kangxi_strokes", "范11 于3 郁13");
}

TEST(CheckTable, TraditionalForms) {
  expectColumn("traditional", "华華 运運 阳陽 儿兒 杰傑 云雲 丰豐 钟鍾");
  // Kangxi entries that OpenCC alone would change
  expectColumn("traditional", "岳岳 游游 涌涌 岩岩");
  // surname and name forms
  expectColumn("traditional", "范范 于于 余余 朴朴 党党 干干 种种 郁郁 后后");
}

TEST(CheckTable, Pinyin) { expectColumn("pinyin", "明míng 子zǐ 裳cháng 卜bǔ 女nǚ 长cháng 卓zhuó 罗luó"); }

TEST(CheckTable, Elements) {
  // characters whose meaning names a thing of an element, whatever rule decides them
  expectColumn("element",
               "江水 海水 波水 雨水 冰水 林木 森木 芳木 竹木 秀木 炎火 明火 煜火 坤土 山土 磊土 鑫金 铭金 琳金 刚金 "
               "岩土 钢金 凤火 骏火 贝金 月水 心火");
  // by meaning where the radical says nothing or misleads (overrides)
  expectColumn("element", "川水 春木 光火 燕土");
  // by the sound where neither speaks: the old class of the initial, j q x and the zero initial by
  // the Cantonese reading (欣 jan1 and 香 hoeng1 the throat, 清 cing1 the teeth, 江 gong1 the molars)
  expectColumn("element", "博水 天火 高木 安土 德火 欣土 香土");
}

TEST(CheckTable, ElementBasis) {
  // which rule decided: an override, the meaning, the radical, the sound
  expectColumn("element_basis",
               "川override 春override 江meaning 月meaning 贝meaning 凤meaning 心radical 炎radical 铭radical "
               "博sound 德sound 欣sound");
}

TEST(CheckTable, TghLevel) {
  // the level in the 通用规范汉字表; the name characters of level 3 register too
  expectColumn("tgh_level", "李1 明1 华1 晖3 淼3 燊3 珺3 婕2");
  EXPECT_EQ(field("嬅", "tgh_level"), "");  // outside the table
}

}  // namespace
}  // namespace quillan::dictionary::test
