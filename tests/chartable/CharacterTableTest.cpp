#include "chartable/CharacterTable.h"

#include <gtest/gtest.h>

namespace quillan::chartable {
namespace {

// A few rows in the dictionary's own format.
constexpr std::string_view kTsv =
    "id\tsimplified\ttraditional\tpinyin\tkangxi_strokes\tsimplified_strokes\tradical\telement\treadings\ttgh_"
    "level\telement_basis\n"
    "45217\t啊\t啊\tā\t11\t10\t30\t土\tā a á ǎ à\t1\tradical\n"
    "46000\t王\t王\twáng\t4\t4\t96\t土\twáng wàng\t1\tradical\n"
    "54520\t曾\t曾\tcéng\t99\t12\t73\t金\tcéng zēng\t1\tradical\n"
    "60000\t王\t王\twáng\t5\t4\t96\t土\twáng\t1\tradical\n";

TEST(CharacterTable, ParsesRowsAndKeepsTheHighestIdOfACharacter) {
  std::string error;
  const auto dictionary = CharacterTable::parse(kTsv, error).value();
  EXPECT_EQ(dictionary.rows().size(), 4U);
  const auto* zeng = dictionary.find("曾");
  ASSERT_NE(zeng, nullptr);
  EXPECT_EQ(zeng->traditional, "曾");
  EXPECT_EQ(zeng->kangxiStrokes, 99);
  EXPECT_EQ(zeng->readings, (std::vector<std::string>{"céng", "zēng"}));
  EXPECT_EQ(dictionary.find("王")->kangxiStrokes, 5);  // id 60000 over 46000, as the service's lookup
  EXPECT_EQ(dictionary.find("李"), nullptr);
  EXPECT_EQ(zeng->tghLevel, 1);
  EXPECT_EQ(zeng->elementBasis, "radical");
}

TEST(CharacterTable, RefusesAnythingButItsOwnFormatWithTheLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"id\tsimplified\n1\t啊\n", "line 1: "},                                                // another header
      {std::string(kTsv) + "x\t啊\t啊\tā\t1\t1\t1\t土\tā\t1\tsound\n", "line 6: id "},        // bad id
      {std::string(kTsv) + "1\t啊\t啊\tā\t1\t1\t1\t土\tā\t4\tsound\n", "line 6: tgh_level"},  // no such level
      {std::string(kTsv) + "1\t啊\t啊\tā\t1\t1\t1\t土\tā\t\tguess\n", "line 6: element_basis"},
      {std::string(kTsv) + "1\t啊\n", "line 6: 2 fields"},  // short row
      {std::string(kTsv) + "\n\n", "line 6: 1 fields"},     // a blank line
      {"", "the table is empty"},
  };
  for (const auto& [text, fault] : cases) {
    std::string error;
    EXPECT_FALSE(CharacterTable::parse(text, error)) << fault;
    EXPECT_TRUE(error.starts_with(fault)) << error;
  }
  std::string error;
  EXPECT_FALSE(CharacterTable::read("/nonexistent/characters.tsv", error));
  EXPECT_NE(error.find("/nonexistent/characters.tsv"), std::string::npos) << error;
}

}  // namespace
}  // namespace quillan::chartable
