#include <gtest/gtest.h>

#include <fstream>

#include "TestFolder.h"
#include "pastime/StarSign.h"

using namespace quillan::pastime;

namespace {

std::vector<StarSign> signs() {
  auto read = readStarSigns(QUILLAN_SOURCE_DIR "/data/signs/star-signs.tsv");
  if (auto* failure = std::get_if<std::string>(&read)) {
    ADD_FAILURE() << *failure;
    return {};
  }
  return std::get<0>(read);
}

}  // namespace

TEST(StarSign, BoundaryDaysFallInTheirSigns) {
  const auto all = signs();
  struct Case {
    int month;
    int day;
    const char* sign;
    const char* element;
  };
  const Case cases[] = {
      {3, 20, "双鱼座", "水象"},  {3, 21, "白羊座", "火象"},  {4, 19, "白羊座", "火象"}, {4, 20, "金牛座", "土象"},
      {12, 21, "射手座", "火象"}, {12, 22, "摩羯座", "土象"}, {1, 1, "摩羯座", "土象"},  {1, 19, "摩羯座", "土象"},
      {1, 20, "水瓶座", "风象"},  {2, 29, "双鱼座", "水象"},  {8, 23, "处女座", "土象"}, {10, 23, "天秤座", "风象"},
  };
  for (const Case& c : cases) {
    const StarSign* sign = signOfDay(all, c.month, c.day);
    ASSERT_NE(sign, nullptr) << c.month << "-" << c.day;
    EXPECT_EQ(sign->name, c.sign) << c.month << "-" << c.day;
    EXPECT_EQ(sign->element, c.element);
  }
  EXPECT_EQ(signOfDay(all, 2, 30), nullptr);
  EXPECT_EQ(signOfDay(all, 13, 1), nullptr);
  EXPECT_EQ(dateRangeText(*signOfDay(all, 1, 1)), "12月22日—1月19日");
}

TEST(StarSign, TextsAreOfTheAgreedLength) {
  for (const StarSign& sign : signs()) {
    std::u32string wide;
    for (std::size_t i = 0; i < sign.text.size(); ++i) {
      if ((static_cast<unsigned char>(sign.text[i]) & 0xC0) != 0x80) {
        wide.push_back(U'x');
      }
    }
    EXPECT_GE(wide.size(), 150u) << sign.name;
    EXPECT_LE(wide.size(), 300u) << sign.name;
  }
}

TEST(StarSign, ATableWithAGapIsRefused) {
  quillan::testing::TestFolder folder("star-signs");
  const auto file = folder.path() / "star-signs.tsv";
  std::ofstream(file) << "sign\tstart\tend\telement\ttext\n白羊座\t03-21\t04-18\t火象\t文字\n";
  const auto read = readStarSigns(file);
  ASSERT_TRUE(std::holds_alternative<std::string>(read));
  EXPECT_NE(std::get<std::string>(read).find("not in exactly one sign"), std::string::npos);
}
