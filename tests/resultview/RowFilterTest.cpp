#include "resultview/RowFilter.h"

#include <gtest/gtest.h>

namespace quillan::resultview {
namespace {

using generate::ResultRow;

ResultRow row(std::string name, std::string elements, std::string talents, std::string score, std::string pinyin,
              int euphony = -1) {
  return {{"1", std::move(name), std::move(elements), "8,15,22,15,29", "大吉,大吉,吉,大吉,吉", std::move(talents),
           std::move(score)},
          {std::move(pinyin), euphony}};
}

const ResultRow kMingHua = [] {
  auto r = row("李明华", "木火水", "木,木,木", "96.5", "lǐ míng huá", 88);
  r.details.favourable = 1;  // one character brings the birth chart's 喜用神
  return r;
}();
const ResultRow kSiYuan = [] {
  auto r = row("李思远", "木金土", "木,木,金", "94", "lǐ sī yuǎn", 61);
  r.details.favourable = 0;
  return r;
}();
const ResultRow kOuYangHua = row("欧阳华", "土土水", "木,木,木", "99", "ōu yáng huá");

struct FilterCase {
  const char* what;
  RowFilter filter;
  bool mingHua;
  bool siYuan;
};

RowFilter with(auto change) {
  RowFilter filter;
  change(filter);
  return filter;
}

class RowFilterCases : public ::testing::TestWithParam<FilterCase> {};

TEST_P(RowFilterCases, PassesAsTheFieldsSay) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(passes(c.filter, kMingHua), c.mingHua) << c.what;
  EXPECT_EQ(passes(c.filter, kSiYuan), c.siYuan) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RowFilterCases,
    ::testing::Values(
        FilterCase{"nothing set", {}, true, true},
        FilterCase{"lowest score, as a number", with([](RowFilter& f) { f.minScore = 95; }), true, false},
        FilterCase{"lowest score met exactly", with([](RowFilter& f) { f.minScore = 94; }), true, true},
        FilterCase{"contains anywhere", with([](RowFilter& f) { f.mustContain = "华"; }), true, false},
        FilterCase{"the surname is not the given name", with([](RowFilter& f) { f.mustContain = "李"; }), false, false},
        FilterCase{"contains at the second place", with([](RowFilter& f) {
                     f.mustContain = "华";
                     f.containPosition = 2;
                   }),
                   true, false},
        FilterCase{"contains, but not at the first place", with([](RowFilter& f) {
                     f.mustContain = "华";
                     f.containPosition = 1;
                   }),
                   false, false},
        FilterCase{"excluded characters", with([](RowFilter& f) {
                     f.exclude = {"伟", "远"};
                   }),
                   true, false},
        FilterCase{"given-name elements, any of them", with([](RowFilter& f) {
                     f.elements = {"水", "金"};
                   }),
                   true, true},
        FilterCase{"the surname's element does not count", with([](RowFilter& f) { f.elements = {"木"}; }), false,
                   false},
        FilterCase{"three talents all auspicious", with([](RowFilter& f) { f.auspiciousTalents = true; }), true, false},
        FilterCase{"lowest 音律", with([](RowFilter& f) { f.minEuphony = 70; }), true, false},
        FilterCase{"only names bringing 喜用神", with([](RowFilter& f) { f.favourableOnly = true; }), true, false},
        FilterCase{"search in the name", with([](RowFilter& f) { f.search = "思"; }), false, true},
        FilterCase{"search in the readings without tones", with([](RowFilter& f) { f.search = "minghua"; }), true,
                   false},
        FilterCase{"search with tones", with([](RowFilter& f) { f.search = "yuǎn"; }), false, true},
        FilterCase{"fields combine", with([](RowFilter& f) {
                     f.minScore = 90;
                     f.elements = {"土"};
                     f.search = "li";
                   }),
                   false, true}));

TEST(RowFilter, CompoundSurnameLeavesTwoCharactersOut) {
  RowFilter filter;
  filter.surnameChars = 2;
  filter.mustContain = "华";
  filter.containPosition = 1;
  EXPECT_TRUE(passes(filter, kOuYangHua));
  filter.mustContain = "阳";
  filter.containPosition = 0;
  EXPECT_FALSE(passes(filter, kOuYangHua));
}

TEST(RowFilter, RowsWithoutEuphonyFailItsLowest) {
  RowFilter filter;
  filter.minEuphony = 0;
  EXPECT_FALSE(passes(filter, kOuYangHua));
}

}  // namespace
}  // namespace quillan::resultview
