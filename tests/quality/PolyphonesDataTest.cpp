#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "chartable/CharacterTable.h"
#include "common/TextSplit.h"

namespace quillan::quality {
namespace {

// Every row must describe the dictionary as it is: the name reading is the reading the program uses,
// and the reading a reader guesses is one the character really has.
TEST(PolyphonesData, EveryRowAgreesWithTheDictionary) {
  std::string error;
  const auto table = chartable::CharacterTable::read(
      std::filesystem::path(QUILLAN_SOURCE_DIR) / "data/dictionary/characters.tsv", error);
  ASSERT_TRUE(table.has_value()) << error;
  std::ifstream in(std::filesystem::path(QUILLAN_SOURCE_DIR) / "data/quality/polyphones.tsv");
  std::string line;
  std::getline(in, line);
  int rows = 0;
  while (std::getline(in, line)) {
    const auto fields = common::splitText(line, "\t");
    ASSERT_EQ(fields.size(), 4U) << line;
    const auto* row = table->find(fields[0]);
    ASSERT_NE(row, nullptr) << fields[0];
    EXPECT_EQ(row->pinyin, fields[1]) << fields[0];
    EXPECT_NE(fields[1], fields[2]) << fields[0];
    EXPECT_NE(std::find(row->readings.begin(), row->readings.end(), fields[2]), row->readings.end()) << fields[0];
    ++rows;
  }
  EXPECT_GT(rows, 0);
}

}  // namespace
}  // namespace quillan::quality
