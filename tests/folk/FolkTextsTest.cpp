#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "common/GbkCodec.h"
#include "common/TsvTable.h"
#include "folk/BirthYearReadings.h"
#include "folk/Hours.h"
#include "folk/Omens.h"
#include "folk/SurnameOrigins.h"

namespace quillan::folk {
namespace {

std::vector<std::vector<std::string>> dataRows(const std::string& file, const std::string& header) {
  std::ifstream in(std::string(QUILLAN_SOURCE_DIR) + "/data/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return common::tsvRows(text.str(), file, header, common::EmptyFields::Allowed);
}

struct TextColumn {
  const char* file;
  const char* header;
  std::size_t column;
  std::size_t shortest;
  std::size_t longest;
};

// The lengths the texts were written to, and the code page the program's files and prints use.
TEST(FolkTexts, AreGbkTextsOfTheirWrittenLength) {
  const TextColumn columns[] = {
      {"fate/chenggu-texts.tsv", "qian\ttext", 1, 60, 150},
      {"fate/elders.tsv", "kind\tkey\ttext", 2, 30, 90},
      {"fate/wealth.tsv", "stem\tpast\tpresent\tfuture", 1, 30, 90},
      {"fate/wealth.tsv", "stem\tpast\tpresent\tfuture", 2, 30, 90},
      {"fate/wealth.tsv", "stem\tpast\tpresent\tfuture", 3, 30, 90},
      {"omens/ear-ringing.tsv", "branch\tside\ttext", 2, 20, 80},
      {"omens/eye-twitch.tsv", "branch\tside\ttext", 2, 20, 80},
      {"omens/face-heat.tsv", "branch\ttext", 1, 20, 80},
      {"omens/heart-start.tsv", "branch\ttext", 1, 20, 80},
      {"omens/fingerprints.tsv", "whorls\ttext", 1, 30, 120},
      {"folk/surname-origins.tsv", "surname\torigin", 1, 80, 200},
  };
  for (const auto& c : columns) {
    for (const auto& row : dataRows(c.file, c.header)) {
      SCOPED_TRACE(std::string(c.file) + " " + row[0]);
      const auto characters = common::decodeUtf8(row[c.column]);
      ASSERT_TRUE(characters);
      EXPECT_GE(characters->size(), c.shortest);
      EXPECT_LE(characters->size(), c.longest);
      EXPECT_TRUE(common::utf8ToGbk(row[c.column]));
    }
  }
}

TEST(FolkTexts, CoverEveryHourSideAndCount) {
  for (Omen omen : {Omen::EarRinging, Omen::FaceHeat, Omen::HeartStart, Omen::EyeTwitch}) {
    std::set<std::string_view> seen;
    for (int branch = 0; branch < 12; ++branch) {
      seen.insert(omenText(omen, branch, Side::Left));
      seen.insert(omenText(omen, branch, Side::Right));
    }
    EXPECT_EQ(seen.size(), omenHasSides(omen) ? 24U : 12U);
    EXPECT_EQ(seen.count({}), 0U);
    EXPECT_TRUE(omenText(omen, 12).empty());
  }
  for (int whorls = 0; whorls <= 10; ++whorls) {
    EXPECT_FALSE(fingerprintText(whorls).empty());
  }
  EXPECT_TRUE(fingerprintText(11).empty());
}

TEST(FolkTexts, NameTheHoursByTheirSpans) {
  EXPECT_EQ(hourSpanText(0), "子时（23:00–01:00）");
  EXPECT_EQ(hourSpanText(11), "亥时（21:00–23:00）");
  const std::pair<int, int> hours[] = {{23, 0}, {0, 0}, {1, 1}, {2, 1}, {12, 6}, {22, 11}};
  for (const auto& [hour, branch] : hours) {
    EXPECT_EQ(branchOfHour(hour), branch) << hour;
  }
}

TEST(FolkTexts, ReadTheBirthYearByTheLunarYearStem) {
  // 1984-02-02 is 正月初一 of 甲子; the day before still belongs to 癸亥.
  const auto first = elderReadingOf({1984, 2, 2});
  const auto before = wealthReadingOf({1984, 2, 1});
  ASSERT_TRUE(first && before);
  EXPECT_EQ(first->yearStem, 0);
  EXPECT_EQ(first->lunar.month, 1);
  EXPECT_EQ(before->yearStem, 9);
  std::set<std::string_view> stems;
  for (int year = 1984; year < 1994; ++year) {
    const auto elders = elderReadingOf({year, 6, 1});
    const auto wealth = wealthReadingOf({year, 6, 1});
    ASSERT_TRUE(elders && wealth);
    stems.insert(elders->byStem);
    EXPECT_FALSE(elders->byMonth.empty() || wealth->past.empty() || wealth->present.empty() || wealth->future.empty());
  }
  EXPECT_EQ(stems.size(), 10U);
  EXPECT_FALSE(elderReadingOf({1900, 6, 1}));
}

TEST(SurnameOrigins, HoldEverySurnameOfTheList) {
  for (const auto& row : dataRows("folk/surnames.tsv", "kind\tsurname\treading\tother\tnote")) {
    const SurnameOrigin* origin = originOf(row[1]);
    ASSERT_NE(origin, nullptr) << row[1];
    EXPECT_EQ(origin->reading, row[2]);
  }
  EXPECT_GE(surnameOrigins().size(), 150U);
  EXPECT_EQ(originOf("龘"), nullptr);
}

TEST(SurnameOrigins, AreFoundByCharacterOrReading) {
  const auto names = [](std::string_view query) {
    std::set<std::string> found;
    for (const auto* origin : searchSurnames(query)) {
      found.insert(origin->surname);
    }
    return found;
  };
  EXPECT_TRUE(names("sima").count("司马"));
  EXPECT_TRUE(names("sī mǎ").count("司马"));
  EXPECT_TRUE(names("马").count("司马"));
  EXPECT_TRUE(names("马").count("马"));
  EXPECT_TRUE(names("zhuge").count("诸葛"));
  EXPECT_TRUE(names("龘").empty());
  EXPECT_EQ(searchSurnames("").size(), surnameOrigins().size());
}

}  // namespace
}  // namespace quillan::folk
