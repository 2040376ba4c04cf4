// The two given-name lists as a parent may trust them: registrable characters, no variants, none
// that invite teasing, each with its meaning and a reviewed element.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "CharacterTable.h"
#include "common/TextSplit.h"

namespace quillan::dictionary::test {
namespace {

std::vector<std::string> listOf(const char* file) {
  std::vector<std::string> names;
  for (const auto& line : readLines(std::string(QUILLAN_SOURCE_DIR "/data/names/") + file)) {
    if (!line.empty()) {
      names.push_back(line);
    }
  }
  return names;
}

// A table of data/names by its first column: the other fields of each row.
std::map<std::string, std::vector<std::string>> tableOf(const char* file) {
  std::map<std::string, std::vector<std::string>> rows;
  const auto lines = readLines(std::string(QUILLAN_SOURCE_DIR "/data/names/") + file);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    auto fields = common::splitText(lines[i], "\t");
    const std::string key = fields.front();
    fields.erase(fields.begin());
    EXPECT_TRUE(rows.emplace(key, std::move(fields)).second) << file << ": " << key << " stands twice";
  }
  return rows;
}

std::set<std::string> bothLists() {
  std::set<std::string> all;
  for (const char* file : {"boys.txt", "girls.txt"}) {
    for (const auto& c : listOf(file)) {
      all.insert(c);
    }
  }
  return all;
}

TEST(NameLists, EveryCharacterRegistersAndHasItsMeaningAndReviewedElement) {
  const auto meanings = tableOf("meanings.tsv");
  const auto elements = tableOf("elements.tsv");
  const auto all = bothLists();
  for (const auto& c : all) {
    const auto* row = committedTable().find(c);
    ASSERT_NE(row, nullptr) << c;
    EXPECT_GE(row->tghLevel, 1) << c << " is not in the 通用规范汉字表";
    ASSERT_TRUE(meanings.contains(c)) << c << " has no meaning";
    const auto meaning = common::splitCharacters(meanings.at(c).at(0)).size();
    EXPECT_TRUE(meaning >= 4 && meaning <= 24) << c << ": " << meanings.at(c).at(0);
    ASSERT_TRUE(elements.contains(c)) << c << " has no reviewed element";
    const auto& reviewed = elements.at(c);  // element, basis, reason
    ASSERT_EQ(reviewed.size(), 3U) << c;
    EXPECT_EQ(reviewed[0], row->element) << c;
    EXPECT_EQ(reviewed[1], row->elementBasis) << c;
    EXPECT_FALSE(reviewed[2].empty()) << c << ": a reviewed element says why";
    if (row->elementBasis == "sound") {
      EXPECT_NE(reviewed[2].find("五行"), std::string::npos) << c << ": why not by meaning or radical";
    }
  }
  // Nothing is kept for characters that are not in a list.
  for (const auto& file : {meanings, elements}) {
    for (const auto& [c, fields] : file) {
      EXPECT_TRUE(all.contains(c)) << c << " is in no list";
    }
  }
}

TEST(NameLists, NoVariantBesideItsStandardFormAndNothingExcluded) {
  const auto boys = listOf("boys.txt");
  const auto girls = listOf("girls.txt");
  const std::set<std::string> boySet(boys.begin(), boys.end());
  const std::set<std::string> girlSet(girls.begin(), girls.end());
  const std::pair<const char*, const char*> variants[] = {{"佑", "祐"}, {"佩", "珮"}, {"璇", "琁"}, {"茜", "蒨"},
                                                          {"净", "瀞"}, {"欣", "忻"}, {"嵩", "崧"}};
  for (const auto& [standard, variant] : variants) {
    EXPECT_FALSE(boySet.contains(variant) || girlSet.contains(variant)) << variant << ", a variant of " << standard;
  }
  // A character taken out of a list (or moved to the other one) is not in it.
  for (const auto& [c, fields] : tableOf("excluded.tsv")) {
    const auto& list = fields.at(0);
    if (list == "boys" || list == "both") {
      EXPECT_FALSE(boySet.contains(c)) << c << " in boys.txt: " << fields.at(1);
    }
    if (list == "girls" || list == "both") {
      EXPECT_FALSE(girlSet.contains(c)) << c << " in girls.txt: " << fields.at(1);
    }
  }
  for (const char* teasing : {"倡", "勃", "彪", "约", "菊", "幽"}) {
    EXPECT_FALSE(boySet.contains(teasing) || girlSet.contains(teasing)) << teasing;
  }
  for (const auto* list : {&boys, &girls}) {
    EXPECT_TRUE(list->size() >= 600 && list->size() <= 800) << list->size();
  }
}

}  // namespace
}  // namespace quillan::dictionary::test
