#include "generate/ResultExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "GenerateFixture.h"
#include "common/GbkCodec.h"

namespace quillan::generate {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ResultExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quillan-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

const ResultRow kRow{{"1", "李明华", "木火水", "8,15,22,15,29", "大吉,大吉,凶,大吉,凶", "金,土,木", "82.5"}, {}};

TEST_F(ResultExportTest, HeaderAndRowBytesInGbk) {
  const auto target = dir_ / "names.txt";
  const std::vector<ResultRow> rows{kRow, kRow};
  ASSERT_TRUE(exportResultList(target, rows).ok);
  const auto bytes = readBytes(target);

  std::string rule;
  for (int i = 0; i < 37; ++i) {
    rule += "\xA8\x54";
  }
  const auto titles = *common::utf8ToGbk("编号★姓名★五行★天格,人格,地格,外格,总格★五格吉凶★三才★综合评分★");
  const auto line = *common::utf8ToGbk("1★李明华★木火水★8,15,22,15,29★大吉,大吉,凶,大吉,凶★金,土,木★82.5★");
  EXPECT_EQ(bytes, rule + "\r\n" + titles + "\r\n" + rule + "\r\n" + line + "\r\n" + line + "\r\n");
  EXPECT_EQ(bytes.substr(0, 4), "\xA8\x54\xA8\x54");
  EXPECT_EQ(titles.substr(titles.size() - 2), "\xA1\xEF");  // ★
  EXPECT_EQ(*common::gbkToUtf8(bytes), exportText(rows));
  // Only the target is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ResultExportTest, EmptyListWritesTheHeader) {
  const auto target = dir_ / "empty.txt";
  ASSERT_TRUE(exportResultList(target, {}).ok);
  EXPECT_EQ(*common::gbkToUtf8(readBytes(target)), exportText({}));
  EXPECT_EQ(exportText({}).substr(exportText({}).size() - 5), "═\r\n");
}

TEST_F(ResultExportTest, FailedWriteLeavesNoFileAndKeepsTheOldOne) {
  const auto missingFolder = dir_ / "no-such-folder" / "names.txt";
  const auto result = exportResultList(missingFolder, std::vector<ResultRow>{kRow});
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("导出失败"), std::string::npos);
  EXPECT_FALSE(fs::exists(missingFolder));

  // A text GBK cannot hold is refused as a whole, never written with substitutes.
  const auto target = dir_ / "names.txt";
  ASSERT_TRUE(exportResultList(target, std::vector<ResultRow>{kRow}).ok);
  const auto before = readBytes(target);
  auto bad = kRow;
  bad.cells[1] = "李😀";
  EXPECT_FALSE(exportResultList(target, std::vector<ResultRow>{bad}).ok);
  EXPECT_EQ(readBytes(target), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ResultExportTest, ExportsTheRowsOfARun) {
  auto req = testing::request("李", GenerationMode::Classic);
  const auto run = testing::run(req);
  const auto target = dir_ / "classic.txt";
  ASSERT_TRUE(exportResultList(target, run.rows).ok);
  const auto text = *common::gbkToUtf8(readBytes(target));
  EXPECT_EQ(text, exportText(run.rows));
  EXPECT_NE(text.find("\r\n100★" + run.rows.back()[ResultColumn::Name] + "★"), std::string::npos);
}

}  // namespace
}  // namespace quillan::generate
