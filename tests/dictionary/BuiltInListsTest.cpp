// The lists built into the program: what the build joined and packed must come back whole.
#include <gtest/gtest.h>

#include <set>

#include "CharacterTable.h"
#include "chars/CharRecord.h"
#include "chars/CharacterLists.h"

namespace quillan::dictionary::test {
namespace {

const std::set<std::string> kElements = {"木", "火", "土", "金", "水"};

std::vector<std::string> nameCharacters(const char* file) {
  std::vector<std::string> names;
  for (const auto& line : readLines(std::string(QUILLAN_SOURCE_DIR "/data/names/") + file)) {
    if (!line.empty() && line[0] != '#') {
      names.push_back(line);
    }
  }
  return names;
}

void expectListOf(const std::vector<std::string>& entries, const char* file) {
  const auto names = nameCharacters(file);
  EXPECT_GE(entries.size(), 600U) << file;
  EXPECT_LE(entries.size(), 800U) << file;
  ASSERT_EQ(entries.size(), names.size()) << file;
  std::set<std::string> seen;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& entry = entries[i];
    const chars::CharRecord record = chars::parseEntry(entry);
    EXPECT_EQ(std::count(entry.begin(), entry.end(), ','), 4) << entry;
    EXPECT_FALSE(record.simplified.empty() || record.traditional.empty() || record.pinyin.empty() ||
                 record.strokes.empty() || record.element.empty())
        << entry;
    EXPECT_GE(record.strokeCount(), 1) << entry;
    EXPECT_TRUE(kElements.contains(record.element)) << entry;
    EXPECT_EQ(record.simplified, names[i]) << "list order, entry " << i + 1;
    EXPECT_TRUE(seen.insert(record.simplified).second) << record.simplified << " stands twice";
    const chars::CharRecord fromDictionary{field(names[i], "simplified"), field(names[i], "traditional"),
                                           field(names[i], "pinyin"), field(names[i], "kangxi_strokes"),
                                           field(names[i], "element")};
    EXPECT_EQ(record, fromDictionary) << entry;
  }
}

TEST(BuiltInLists, BoysListIsTheNamesJoinedWithTheDictionary) {
  expectListOf(chars::loadBuiltInLists().boys, "boys.txt");
}

TEST(BuiltInLists, GirlsListIsTheNamesJoinedWithTheDictionary) {
  expectListOf(chars::loadBuiltInLists().girls, "girls.txt");
}

}  // namespace
}  // namespace quillan::dictionary::test
