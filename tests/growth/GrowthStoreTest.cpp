#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TestFolder.h"
#include "growth/GrowthStore.h"

using namespace quillan::growth;
using quillan::testing::TestFolder;

namespace {

GrowthRecords twoChildren() {
  GrowthRecords records;
  records.children.push_back(
      {"小宝", Sex::Boy, {2026, 1, 5}, {{{2026, 2, 5}, 4.5, 55.1, 38.0}, {{2026, 7, 5}, 7.9, 68, {}}}});
  records.children.push_back({"妹妹", Sex::Girl, {2026, 3, 1}, {{{2026, 3, 1}, {}, {}, 33.9}}});
  records.children.push_back({"三宝", Sex::Girl, {2026, 6, 1}, {}});
  return records;
}

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files.push_back(entry.path());
  }
  return files;
}

}  // namespace

TEST(GrowthStore, SavedRecordsReloadTheSame) {
  TestFolder folder("growth-store");
  const auto file = folder.path() / "sub" / "growth.tsv";
  ASSERT_FALSE(saveGrowthRecords(file, twoChildren()));
  const LoadedRecords loaded = loadGrowthRecords(file);
  EXPECT_TRUE(loaded.notice.empty());
  EXPECT_TRUE(loaded.canSave);
  EXPECT_EQ(loaded.records, twoChildren());
}

TEST(GrowthStore, AMissingFileIsNoRecordsYet) {
  TestFolder folder("growth-store");
  const LoadedRecords loaded = loadGrowthRecords(folder.path() / "growth.tsv");
  EXPECT_TRUE(loaded.records.children.empty());
  EXPECT_TRUE(loaded.notice.empty());
  EXPECT_TRUE(loaded.canSave);
}

TEST(GrowthStore, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  TestFolder folder("growth-store");
  const auto file = folder.path() / "growth.tsv";
  ASSERT_FALSE(saveGrowthRecords(file, twoChildren()));
  GrowthRecords fewer;
  fewer.children.push_back({"小宝", Sex::Boy, {2026, 1, 5}, {}});
  ASSERT_FALSE(saveGrowthRecords(file, fewer));
  EXPECT_EQ(fileText(file), "quillan-growth 1\nchild\t小宝\tboy\t2026-01-05\n");
  EXPECT_EQ(filesIn(folder.path()), std::vector<std::filesystem::path>{file});
}

TEST(GrowthStore, AnUnreadableFileIsKeptAsideNotEmptied) {
  const std::string broken[] = {
      "not our file\n",
      "quillan-growth 1\nchild\t小宝\tboy\t2026-01-05\nmeasurement\t小宝\t2026-07-05\t7.9\t68",  // cut short
      "quillan-growth 1\nmeasurement\t无名\t2026-07-05\t7.9\t\t\n",
      "quillan-growth 1\nchild\t小宝\tboy\t2026-01-05\nmeasurement\t小宝\t2026-07-05\t-7.9\t\t\n",
      "quillan-growth 1\nchild\t小宝\tboy\t2026-02-30\n",
      "quillan-growth 1\nchild\t小宝\tboy\t2026-01-05\nmeasurement\t小宝\t2026-01-04\t3.3\t\t\n",
      "",
  };
  for (const std::string& text : broken) {
    TestFolder folder("growth-store");
    const auto file = folder.path() / "growth.tsv";
    std::ofstream(file, std::ios::binary) << text;
    const LoadedRecords loaded = loadGrowthRecords(file);
    EXPECT_TRUE(loaded.records.children.empty()) << text;
    EXPECT_TRUE(loaded.canSave) << text;
    EXPECT_NE(loaded.notice.find("无法读取"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(file)) << text;
    const auto files = filesIn(folder.path());
    ASSERT_EQ(files.size(), 1u) << text;
    EXPECT_NE(files[0].filename().string().find("growth.tsv.unreadable-"), std::string::npos);
    EXPECT_NE(loaded.notice.find(files[0].string()), std::string::npos) << loaded.notice;
    EXPECT_EQ(fileText(files[0]), text);
  }
}
