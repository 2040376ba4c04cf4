#include "chars/ListPacking.h"

#include <gtest/gtest.h>

#include "chars/CharacterLists.h"
#include "common/GbkCodec.h"

namespace quillan::chars {
namespace {

TEST(ListPacking, RoundTripsAGbkList) {
  const auto plain = common::utf8ToGbk("明,明,míng,8,火|华,華,huá,14,水|儿,兒,er,8,金");
  ASSERT_TRUE(plain);
  const std::string packed = packList(*plain);
  EXPECT_EQ(packed.size(), plain->size() * 2);
  EXPECT_EQ(packed.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(unpackList(packed), *plain);
  EXPECT_EQ(unpackList(packList(*plain, 0x33), 0x33), *plain);
}

TEST(ListPacking, SingleByteInEitherCase) {
  const std::string expected(1, static_cast<char>(0x4A ^ kListKey));
  EXPECT_EQ(unpackList("4A"), expected);
  EXPECT_EQ(unpackList("4a"), expected);
}

TEST(ListPacking, StopsAtTheFirstZeroByteAndToleratesJunk) {
  const std::string zero = packList(std::string(1, '\0'));
  EXPECT_EQ(unpackList(packList("ab") + zero + packList("cd")), "ab");
  EXPECT_EQ(unpackList(""), "");
  // A non-hex character counts -1: "G0" is -1 * 16 + 0 = -16, low byte 0xF0.
  EXPECT_EQ(unpackList("G0"), std::string(1, static_cast<char>(0xF0 ^ kListKey)));
  // An odd length parses the last character alone.
  EXPECT_EQ(unpackList(packList("a") + "7").size(), 2U);
}

TEST(CharacterLists, UnpacksAndSplitsBothLists) {
  const auto boys = common::utf8ToGbk("明,明,míng,8,火|华,華,huá,14,水");
  const auto girls = common::utf8ToGbk("丽,麗,lì,19,火");
  const auto lists = listsFromPacked(packList(*boys), packList(*girls));
  EXPECT_EQ(lists.boys, (std::vector<std::string>{"明,明,míng,8,火", "华,華,huá,14,水"}));
  EXPECT_EQ(lists.forGender(Gender::Girl), (std::vector<std::string>{"丽,麗,lì,19,火"}));
  EXPECT_TRUE(listsFromPacked("", "").boys.empty());
}

TEST(CharacterLists, PicksARandomPositionFromOneToCount) {
  const std::vector<std::string> list{"a", "b", "c", "d", "e"};
  common::RandomGenerator random(2056);
  common::RandomGenerator reference(2056);
  for (int i = 0; i < 20; ++i) {
    const int position = 1 + reference.draw() % 5;
    EXPECT_EQ(pickRandomEntry(list, random), list[static_cast<std::size_t>(position - 1)]);
  }
}

}  // namespace
}  // namespace quillan::chars
