#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "chartable/CharacterTable.h"
#include "common/GbkCodec.h"
#include "content/PinyinKey.h"
#include "content/PolyphonesPage.h"
#include "content/Surnames.h"
#include "content/SurnamesPage.h"
#include "content/ZodiacPage.h"

namespace quillan::content {
namespace {

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// A few rows in the dictionary's own format; the stroke counts of 曾 and 区 are made up so that the
// page can only have taken them from here.
constexpr std::string_view kTsv =
    "id\tsimplified\ttraditional\tpinyin\tkangxi_strokes\tsimplified_strokes\tradical\telement\treadings\ttgh_"
    "level\telement_basis\n"
    "45217\t啊\t啊\tā\t11\t10\t30\t土\tā a á ǎ à\t1\tradical\n"
    "45218\t阿\t阿\tā\t13\t7\t170\t土\tā a ē\t1\tradical\n"
    "46000\t王\t王\twáng\t4\t4\t96\t土\twáng wàng\t1\tradical\n"
    "54520\t曾\t曾\tcéng\t99\t12\t73\t金\tcéng zēng\t1\tradical\n"
    "51192\t区\t區\tqū\t77\t4\t23\t金\tqū ōu\t1\tradical\n"
    "52207\t孙\t孫\tsūn\t10\t6\t39\t金\tsūn\t1\tradical\n"
    "48611\t欧\t歐\tōu\t15\t8\t76\t土\tōu\t1\tradical\n"
    "33089\t丄\t丄\tshàng\t2\t2\t1\t金\tshàng xià\t1\tradical\n"
    "60000\t王\t王\twáng\t5\t4\t96\t土\twáng\t1\tradical\n";

chartable::CharacterTable fixtureDictionary() {
  std::string error;
  auto table = chartable::CharacterTable::parse(kTsv, error);
  EXPECT_TRUE(table) << error;
  return table.value_or(chartable::CharacterTable{});
}

TEST(PinyinKey, PlainLettersAndToneDigit) {
  EXPECT_EQ(pinyinSortKey("zhāng"), "zhang1");
  EXPECT_EQ(pinyinSortKey("lǚ"), "lv3");
  EXPECT_EQ(pinyinSortKey("a"), "a5");
  EXPECT_EQ(pinyinInitial("ōu"), 'O');
  EXPECT_EQ(pinyinInitial(""), '\0');
}

TEST(Surnames, ListFormat) {
  const std::string header = "kind\tsurname\treading\tother\tnote\n";
  const auto list = parseSurnameList(header + "common\t王\twáng\t\t\nspecial\t乐\tyuè\tlè\tmost families say yuè\n" +
                                     "compound\t欧阳\tōu yáng\t\t\n");
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3U);
  EXPECT_EQ((*list)[1].kind, SurnameKind::Special);
  EXPECT_EQ((*list)[1].readings, (std::vector<std::string>{"yuè"}));
  EXPECT_EQ((*list)[1].other, "lè");
  EXPECT_EQ((*list)[2].readings.size(), 2U);
  for (const std::string bad :
       {"rare\t王\twáng\t\t", "common\twang\twáng\t\t", "common\t王李\twáng\t\t", "compound\t欧\tōu\t\t",
        "compound\t欧阳\tōu\t\t", "common\t王\twáng wàng\t\t", "common\t王\twáng"}) {
    EXPECT_FALSE(parseSurnameList(header + bad + "\n")) << bad;
  }
  EXPECT_FALSE(parseSurnameList("common\t王\twáng\t\t\n"));  // no header
  EXPECT_GE(surnameList().size(), 150U);
}

TEST(SurnamesPage, ValuesComeFromTheDictionary) {
  const std::vector<Surname> surnames = {
      {SurnameKind::Common, "曾", {"zēng"}, {}}, {SurnameKind::Common, "王", {}, {}},
      {SurnameKind::Special, "区", {"ōu"}, {}},  {SurnameKind::Special, "阿", {"wò"}, {}},  // a reading it lacks
      {SurnameKind::Compound, "欧区", {}, {}},   {SurnameKind::Common, "李", {}, {}}};
  const auto page = surnamesPageHtml(fixtureDictionary(), surnames);
  EXPECT_TRUE(contains(page, "<h1>百家姓</h1>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>曾</b></td><td>zēng</td><td>曾</td><td>99</td></tr>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>区</b></td><td>ōu</td><td>區</td><td>77</td><td>qū</td></tr>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>阿</b></td><td>ā</td><td>阿</td><td>13</td><td>a、ē</td></tr>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>欧区</b></td><td>ōu qū</td><td>歐區</td><td>15＋77＝92</td></tr>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>李</b></td><td>字库未收</td>"));
  // Common surnames by pinyin: 李 (not in the dictionary) sorts by its text after the readings.
  EXPECT_LT(page.find("<b>王</b>"), page.find("<b>曾</b>"));
}

chartable::CharacterTable ourDictionary() {
  std::string error;
  auto table =
      chartable::CharacterTable::read(std::string(QUILLAN_SOURCE_DIR) + "/data/dictionary/characters.tsv", error);
  EXPECT_TRUE(table) << error;
  return table.value_or(chartable::CharacterTable{});
}

TEST(SurnamesPage, EverySurnameAndReadingIsInOurDictionary) {
  const auto dictionary = ourDictionary();
  for (const auto& surname : surnameList()) {
    const auto characters = *common::decodeUtf8(surname.text);
    for (std::size_t i = 0; i < characters.size(); ++i) {
      std::string character;
      common::appendUtf8(character, characters[i]);
      const auto* entry = dictionary.find(character);
      ASSERT_NE(entry, nullptr) << surname.text;
      if (i < surname.readings.size()) {
        EXPECT_NE(std::find(entry->readings.begin(), entry->readings.end(), surname.readings[i]), entry->readings.end())
            << surname.text << " " << surname.readings[i];
        if (surname.kind == SurnameKind::Special) {
          EXPECT_NE(surname.readings[i], entry->pinyin) << surname.text << ": a special surname reads otherwise";
        }
      }
    }
  }
  const auto page = surnamesPageHtml(dictionary, surnameList());
  EXPECT_TRUE(common::utf8ToGbk(page));
  EXPECT_TRUE(common::utf8ToGbk(polyphonesPageHtml(dictionary)));
  EXPECT_FALSE(contains(page, "字库未收"));
  EXPECT_TRUE(contains(page, "<tr><td><b>张</b></td><td>zhāng</td><td>張</td><td>11</td></tr>"));
  EXPECT_TRUE(contains(page, "<tr><td><b>欧阳</b></td><td>ōu yáng</td><td>歐陽</td><td>15＋17＝32</td></tr>"));
}

TEST(PolyphonesPage, FirstLevelCharactersWithSeveralReadings) {
  EXPECT_TRUE(isFirstLevelCharacter(0xB0A1));
  EXPECT_TRUE(isFirstLevelCharacter(0xD7F9));
  EXPECT_FALSE(isFirstLevelCharacter(0xD7FA));
  EXPECT_FALSE(isFirstLevelCharacter(0xB040));  // GBK's own extension between the GB 2312 rows
  EXPECT_FALSE(isFirstLevelCharacter(0xD8A1));  // second level
  const auto page = polyphonesPageHtml(fixtureDictionary());
  EXPECT_TRUE(contains(page, "<h1>常用多音字表</h1>"));
  EXPECT_TRUE(contains(page, "有两个或更多读音的5个字"));
  EXPECT_TRUE(contains(page, "<td><b>啊</b>　ā、a、á、ǎ、à</td>"));
  EXPECT_TRUE(contains(page, "<td><b>曾</b>　céng、zēng</td>"));
  EXPECT_FALSE(contains(page, "<b>孙</b>"));  // one reading
  EXPECT_FALSE(contains(page, "<b>丄</b>"));  // not a first-level character
  EXPECT_LT(page.find("<a name=\"A\">"), page.find("<a name=\"C\">"));
  EXPECT_LT(page.find("<a name=\"C\">"), page.find("<a name=\"W\">"));
}

TEST(ZodiacPage, YearsElementsAndNewYearFromTheCalendar) {
  const auto rat = zodiacYears(1);
  ASSERT_EQ(rat.size(), 11U);
  EXPECT_EQ(rat.front().year, 1924);
  EXPECT_EQ(rat.back().year, 2044);
  const auto& y2020 = rat[8];
  EXPECT_EQ(y2020.year, 2020);
  EXPECT_EQ(y2020.sexagenary, "庚子");
  EXPECT_EQ(y2020.element, "金");
  EXPECT_EQ(y2020.nayin, "壁上土");
  EXPECT_EQ(y2020.newYear, (calendar::Date{2020, 1, 25}));
  const auto pig = zodiacYears(12);
  ASSERT_EQ(pig.size(), 10U);
  EXPECT_EQ(pig.front().year, 1935);
  EXPECT_EQ(pig.front().sexagenary, "乙亥");
  EXPECT_EQ(pig.front().element, "木");
  EXPECT_EQ(pig[7].year, 2019);
  EXPECT_EQ(pig[7].sexagenary, "己亥");
  EXPECT_EQ(pig[7].newYear, (calendar::Date{2019, 2, 5}));
  EXPECT_TRUE(zodiacYears(0).empty());
  EXPECT_TRUE(zodiacYears(13).empty());

  const Article description{"属鼠2013运程", {"鼠排在第一位。"}};
  const auto page = zodiacPageHtml(1, description);
  ASSERT_TRUE(page);
  EXPECT_TRUE(contains(*page, "<h1>属鼠2013运程</h1>"));
  EXPECT_TRUE(contains(*page, "<p>鼠排在第一位。</p>"));
  EXPECT_TRUE(
      contains(*page, "<tr><td><b>2020</b></td><td>庚子</td><td>金鼠</td><td>壁上土</td><td>2020年1月25日</td></tr>"));
  EXPECT_FALSE(zodiacPageHtml(13, description));
}

}  // namespace
}  // namespace quillan::content
