#include "common/GbkCodec.h"

#include <gtest/gtest.h>

namespace quillan::common {
namespace {

TEST(GbkCodec, RoundTripsChineseAndAscii) {
  const std::string text = "李明华, 2013 年";
  const auto gbk = utf8ToGbk(text);
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->size(), 15U);  // six Han characters of two bytes, nine ASCII bytes
  EXPECT_EQ(gbkToUtf8(*gbk), text);
}

TEST(GbkCodec, KnownBytes) {
  // Bytes of code page 936.
  EXPECT_EQ(utf8ToGbk("李"), std::string("\xC0\xEE"));
  EXPECT_EQ(utf8ToGbk("儿"), std::string("\xB6\xF9"));
  EXPECT_EQ(utf8ToGbk("═"), std::string("\xA8\x54"));
}

TEST(GbkCodec, RefusesWhatItCannotConvert) {
  EXPECT_FALSE(utf8ToGbk("😀"));         // outside GBK: never a silent '?'
  EXPECT_FALSE(utf8ToGbk("\xE6\x9D"));  // truncated UTF-8
  EXPECT_FALSE(gbkToUtf8("\xC0"));      // lone lead byte
  EXPECT_FALSE(gbkByteLength("ḿ"));
  EXPECT_EQ(utf8ToGbk(""), std::string());
}

TEST(GbkCodec, ByteLengthCountsTwoPerCharacter) {
  EXPECT_EQ(gbkByteLength("欧阳"), 4U);
  EXPECT_EQ(gbkByteLength("李"), 2U);
  EXPECT_EQ(gbkByteLength("ab"), 2U);
}

TEST(GbkCodec, HanCharacterTest) {
  struct Case {
    const char* text;
    bool han;
  };
  const Case cases[] = {
      {"李", true},  {"欧阳", true}, {"兒", true},  {"a", false},  {"李a", false}, {"１", false},
      {"，", false}, {"", false},    {"𠀀", false}, {"ぁ", false}, {"═", false},   {"〇", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isGbkHanText(c.text), c.han) << c.text;
  }
}

}  // namespace
}  // namespace quillan::common
