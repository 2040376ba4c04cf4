#include "quality/Syllable.h"

#include <gtest/gtest.h>

#include "quality/AvoidTables.h"

namespace quillan::quality {
namespace {

struct SyllableCase {
  const char* text;
  const char* toneless;
  const char* initial;
  const char* final;
  int tone;
};

TEST(SyllableTest, TakesMarkedAndNumberedPinyinApart) {
  const SyllableCase cases[] = {
      {"míng", "ming", "m", "ing", 2}, {"zhuàng", "zhuang", "zh", "uang", 4},
      {"lǚ", "lv", "l", "v", 3},       {"lu:3", "lv", "l", "v", 3},
      {"nv3", "nv", "n", "v", 3},      {"ju1", "jv", "j", "v", 1},
      {"xué", "xve", "x", "ve", 2},    {"yǔ", "yv", "y", "v", 3},
      {"yōu", "you", "y", "iu", 1},    {"ài", "ai", "", "ai", 4},
      {"shí", "shi", "sh", "-i", 2},   {"zi5", "zi", "z", "-i", 0},
      {"Wáng", "wang", "w", "ang", 2}, {"er", "er", "", "er", 0},
  };
  for (const auto& c : cases) {
    const auto syllable = parseSyllable(c.text);
    ASSERT_TRUE(syllable.has_value()) << c.text;
    EXPECT_EQ(syllable->toneless, c.toneless) << c.text;
    EXPECT_EQ(syllable->initial, c.initial) << c.text;
    EXPECT_EQ(syllable->final, c.final) << c.text;
    EXPECT_EQ(syllable->tone, c.tone) << c.text;
  }
}

TEST(SyllableTest, RefusesWhatIsNoSyllable) {
  for (const char* text : {"", "abc", "míng2", "ma6", "hǎó", "李", "q"}) {
    EXPECT_FALSE(parseSyllable(text).has_value()) << text;
  }
}

TEST(SyllableTest, ToneClassesAndFinals) {
  EXPECT_EQ(toneClass(1), ToneClass::Level);
  EXPECT_EQ(toneClass(2), ToneClass::Level);
  EXPECT_EQ(toneClass(3), ToneClass::Oblique);
  EXPECT_EQ(toneClass(4), ToneClass::Oblique);
  EXPECT_EQ(toneClass(0), ToneClass::Toneless);
  EXPECT_TRUE(parseSyllable("fāng")->nasal());
  EXPECT_FALSE(parseSyllable("fāng")->open());
  EXPECT_TRUE(parseSyllable("huá")->open());
}

TEST(AvoidTablesTest, BuiltInTablesParseAndEveryWordIsReachable) {
  const AvoidTables& tables = AvoidTables::builtIn();
  EXPECT_GE(tables.wordCount(), 400U);
  const int du = tables.syllableId("du");
  const int zi = tables.syllableId("zi");
  const int teng = tables.syllableId("teng");
  const int ids[] = {du, zi, teng};
  const auto& words = tables.wordsOf(ids, 3);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words.front().word, "肚子疼");
  EXPECT_TRUE(words.front().strong);
  EXPECT_EQ(tables.syllableId("xyzzy"), 0);
  ASSERT_NE(tables.avoidedCharacter("亡"), nullptr);
  EXPECT_EQ(tables.avoidedCharacter("明"), nullptr);
  ASSERT_NE(tables.polyphone("劲"), nullptr);
  EXPECT_EQ(tables.polyphone("劲")->usualReading, "jìn");
}

TEST(AvoidTablesTest, MalformedTablesSayWhere) {
  const char* polyphones = "character\tname_reading\tusual_reading\tnote\n";
  const char* chars = "character\treason\n";
  const struct {
    const char* words;
    const char* fault;
  } cases[] = {
      {"word\tpinyin\n", "header"},
      {"word\tpinyin\tstrength\treason\n肚子\tdu4 zi5\tmaybe\t不雅\n", "strength"},
      {"word\tpinyin\tstrength\treason\n肚子\tdu4 zz5\tweak\t不雅\n", "zz5"},
      {"word\tpinyin\tstrength\treason\n肚\tdu4\tweak\t不雅\n", "two or three"},
      {"word\tpinyin\tstrength\treason\n肚子\tdu4 zi5\tweak\n", "line 2"},
  };
  for (const auto& c : cases) {
    try {
      AvoidTables::parse(c.words, chars, polyphones);
      ADD_FAILURE() << c.words;
    } catch (const std::invalid_argument& fault) {
      EXPECT_NE(std::string(fault.what()).find(c.fault), std::string::npos) << fault.what();
    }
  }
}

}  // namespace
}  // namespace quillan::quality
