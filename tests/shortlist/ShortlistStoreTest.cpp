#include "shortlist/ShortlistStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "shortlist/ShortlistFile.h"

namespace quillan::shortlist {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ShortlistEntry entry(std::string surname, std::string given, std::string note = {}) {
  return {std::move(surname), std::move(given), "96.5", "lǐ míng huá", 88, "2026-12-10", std::move(note)};
}

std::vector<std::string> names(const Shortlist& list) {
  std::vector<std::string> out;
  for (const auto& e : list) {
    out.push_back(e.fullName());
  }
  return out;
}

using Names = std::vector<std::string>;

class ShortlistStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quillan-shortlist-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path file() const { return dir_ / "shortlist.tsv"; }

  fs::path dir_;
};

TEST_F(ShortlistStoreTest, SavedListReadsBackWithNotesOfAnyText) {
  const ShortlistStore store(file());
  ASSERT_TRUE(store.add(entry("李", "明华", "奶奶喜欢\n读起来响亮\t\\好")).ok);
  ASSERT_TRUE(store.add(entry("欧阳", "思远")).ok);
  const StoreOutcome again = ShortlistStore(file()).read();
  ASSERT_TRUE(again.ok);
  EXPECT_EQ(again.list, (Shortlist{entry("李", "明华", "奶奶喜欢\n读起来响亮\t\\好"), entry("欧阳", "思远")}));
  EXPECT_TRUE(again.notice.empty());
}

TEST_F(ShortlistStoreTest, MissingFileIsAnEmptyList) {
  const StoreOutcome read = ShortlistStore(file()).read();
  EXPECT_TRUE(read.ok);
  EXPECT_TRUE(read.list.empty());
  EXPECT_FALSE(fs::exists(file()));
}

TEST_F(ShortlistStoreTest, DuplicateIsRefusedAndTheFileKept) {
  const ShortlistStore store(file());
  ASSERT_TRUE(store.add(entry("李", "明华", "第一次")).ok);
  const std::string before = readBytes(file());
  const StoreOutcome again = store.add(entry("李", "明华", "第二次"));
  EXPECT_FALSE(again.ok);
  EXPECT_EQ(again.message, "「李明华」已在备选名单中");
  EXPECT_EQ(readBytes(file()), before);
}

TEST_F(ShortlistStoreTest, RemoveMoveAndNoteChangeTheFile) {
  const ShortlistStore store(file());
  for (const char* given : {"明华", "思远", "浩然"}) {
    ASSERT_TRUE(store.add(entry("李", given)).ok);
  }
  EXPECT_EQ(names(store.move("李浩然", 0).list), (Names{"李浩然", "李明华", "李思远"}));
  EXPECT_EQ(names(store.move("李浩然", 99).list), (Names{"李明华", "李思远", "李浩然"}));
  EXPECT_EQ(names(store.remove("李思远").list), (Names{"李明华", "李浩然"}));
  EXPECT_EQ(store.setNote("李浩然", "外公起的").list.back().note, "外公起的");
  EXPECT_EQ(names(ShortlistStore(file()).read().list), (Names{"李明华", "李浩然"}));
  EXPECT_FALSE(store.remove("李思远").ok);
}

TEST_F(ShortlistStoreTest, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
  const ShortlistStore store(file());
  ASSERT_TRUE(store.add(entry("李", "明华")).ok);
  ASSERT_TRUE(store.remove("李明华").ok);
  EXPECT_EQ(readBytes(file()), shortlistText({}));
  for (const auto& item : fs::directory_iterator(dir_)) {
    const std::string name = item.path().filename().string();
    EXPECT_TRUE(name == "shortlist.tsv" || name == "shortlist.tsv.lock") << name;
  }
}

TEST_F(ShortlistStoreTest, UnreadableFileIsKeptAsideAndTheUserTold) {
  fs::create_directories(dir_);
  {
    std::ofstream out(file(), std::ios::binary);
    out << "not a shortlist\n李\n";
  }
  const ShortlistStore store(file());
  const StoreOutcome read = store.read();
  ASSERT_TRUE(read.ok);
  EXPECT_TRUE(read.list.empty());
  EXPECT_NE(read.notice.find("无法读取"), std::string::npos);
  fs::path aside;
  for (const auto& item : fs::directory_iterator(dir_)) {
    if (item.path().filename().string().starts_with("shortlist.tsv.unreadable-")) {
      aside = item.path();
    }
  }
  ASSERT_FALSE(aside.empty());
  EXPECT_EQ(readBytes(aside), "not a shortlist\n李\n");
  EXPECT_NE(read.notice.find(aside.string()), std::string::npos);
  ASSERT_TRUE(store.add(entry("李", "明华")).ok);
  EXPECT_EQ(readBytes(aside), "not a shortlist\n李\n");
}

TEST_F(ShortlistStoreTest, TwoWritersKeepEachOthersNames) {
  const ShortlistStore window(file());
  const ShortlistStore other(file());
  ASSERT_TRUE(window.add(entry("李", "明华")).ok);
  ASSERT_TRUE(other.add(entry("李", "思远")).ok);
  ASSERT_TRUE(window.setNote("李明华", "好听").ok);
  EXPECT_EQ(names(other.read().list), (Names{"李明华", "李思远"}));

  // At the same time: every name of both arrives.
  const Names first{"一", "二", "三", "四", "五", "六", "七", "八"};
  const Names second{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛"};
  auto adder = [this](const Names& given) {
    const ShortlistStore store(file());
    for (const auto& g : given) {
      store.add(entry("王", g));
    }
  };
  std::thread a(adder, first);
  std::thread b(adder, second);
  a.join();
  b.join();
  const Names all = names(window.read().list);
  for (const Names* side : {&first, &second}) {
    for (const auto& g : *side) {
      EXPECT_NE(std::find(all.begin(), all.end(), "王" + g), all.end()) << g;
    }
  }
}

}  // namespace
}  // namespace quillan::shortlist
