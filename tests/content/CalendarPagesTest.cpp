#include <gtest/gtest.h>

#include <regex>

#include "calendar/LunarDate.h"
#include "calendar/SolarTerm.h"
#include "common/GbkCodec.h"
#include "content/Festivals.h"
#include "content/FestivalsPage.h"
#include "content/MonthPage.h"
#include "content/PageParts.h"
#include "content/SolarTermsPage.h"
#include "content/ZodiacPage.h"

namespace quillan::content {
namespace {

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

TEST(SolarTermsPage, Year2026AgreesWithTheCalendar) {
  const auto page = solarTermsPageHtml(2026);
  ASSERT_TRUE(page);
  const std::regex row(
      "<tr><td><b>([^<]+)</b></td><td>([^<]+)</td><td>([^<]+)</td><td>([^<]+)</td><td>([^<]+)</td></tr>");
  std::vector<std::smatch> rows;
  for (std::sregex_iterator it(page->begin(), page->end(), row), end; it != end; ++it) {
    rows.push_back(*it);
  }
  const auto terms = calendar::solarTermsOf(2026);
  ASSERT_EQ(rows.size(), terms->size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& term = (*terms)[i];
    EXPECT_EQ(rows[i][1], term.name());
    EXPECT_EQ(rows[i][2], fullDateText(term.moment.date));
    EXPECT_EQ(rows[i][3], clockText(term.moment));
    const auto lunar = calendar::lunarDateOf(term.moment.date);
    EXPECT_EQ(rows[i][5], lunar->monthText() + lunar->dayText());
  }
  // One value checked by hand against the published almanac.
  EXPECT_EQ(rows[2][1], "立春");
  EXPECT_EQ(rows[2][2], "2026年2月4日");
  EXPECT_EQ(rows[2][3], "04:02");
  EXPECT_EQ(rows[2][4], "星期三");
  EXPECT_TRUE(contains(*page, "href=\"essjqb-2025.htm\""));
  EXPECT_TRUE(contains(*page, "href=\"essjqb-2027.htm\""));
}

TEST(SolarTermsPage, LinksStayWithinTheCalendar) {
  EXPECT_FALSE(contains(*solarTermsPageHtml(1901), "essjqb-1900.htm"));
  EXPECT_TRUE(contains(*solarTermsPageHtml(1901), "essjqb-1902.htm"));
  EXPECT_FALSE(contains(*solarTermsPageHtml(2100), "essjqb-2101.htm"));
  EXPECT_FALSE(solarTermsPageHtml(1900));
  EXPECT_FALSE(solarTermsPageHtml(2101));
}

std::vector<calendar::Date> daysOf(std::string_view name, int year) {
  std::vector<calendar::Date> dates;
  for (const auto& day : festivalDaysOf(year)) {
    if (day.festival->name == name) {
      dates.push_back(day.date);
    }
  }
  return dates;
}

TEST(Festivals, DatesOfAYear) {
  struct Case {
    std::string_view name;
    int year;
    std::vector<calendar::Date> dates;
  };
  const Case cases[] = {
      {"春节", 2026, {{2026, 2, 17}}},
      {"除夕", 2026, {{2026, 2, 16}}},
      {"小年", 2026, {{2026, 2, 10}}},
      {"元宵节", 2026, {{2026, 3, 3}}},
      {"端午节", 2026, {{2026, 6, 19}}},
      {"中秋节", 2026, {{2026, 9, 25}}},
      {"春节", 2023, {{2023, 1, 22}}},
      {"除夕", 2023, {{2023, 1, 21}}},
      {"龙抬头", 2023, {{2023, 2, 21}}},  // 2023 has a leap second month; the festival keeps the first
      {"七夕节", 2025, {{2025, 8, 29}}},  // after the leap sixth month of 2025
      {"中秋节", 2025, {{2025, 10, 6}}},
      {"腊八节", 2022, {{2022, 1, 10}, {2022, 12, 30}}},  // two lunar years' 腊月 in one Gregorian year
      {"腊八节", 2023, {}},
      {"清明节", 2026, {{2026, 4, 5}}},
      {"冬至", 2026, {{2026, 12, 22}}},
      {"母亲节", 2026, {{2026, 5, 10}}},
      {"父亲节", 2026, {{2026, 6, 21}}},
      {"感恩节", 2026, {{2026, 11, 26}}},
      {"国庆节", 2026, {{2026, 10, 1}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(daysOf(c.name, c.year), c.dates) << c.name << " " << c.year;
  }
  EXPECT_TRUE(festivalDaysOf(2101).empty());
}

TEST(FestivalsPage, ShowsThisYearsDatesAndSaysWhenThereIsNone) {
  const auto page = festivalsPageHtml(2026);
  ASSERT_TRUE(page);
  EXPECT_TRUE(contains(*page, "<tr><td><b>春节</b></td><td>正月初一</td><td>2月17日（星期二）</td>"));
  EXPECT_TRUE(contains(*page, "<tr><td><b>母亲节</b></td><td>5月第二个星期日</td><td>5月10日（星期日）</td>"));
  EXPECT_TRUE(contains(*festivalsPageHtml(2022), "<td>1月10日（星期一）、12月30日（星期五）</td>"));
  EXPECT_TRUE(contains(*festivalsPageHtml(2023), "<td><b>腊八节</b></td><td>腊月初八</td><td>本年没有</td>"));
  EXPECT_TRUE(contains(*page, "href=\"zwzyjrjb-2027.htm\""));
  EXPECT_FALSE(festivalsPageHtml(1900));
}

TEST(MonthPage, GridFestivalsTodayAndLinks) {
  const auto page = monthPageHtml(2026, 2, calendar::Date{2026, 2, 17});
  ASSERT_TRUE(page);
  // 2026-02-01 is a Sunday: the grid starts in the first column with no blank cell.
  EXPECT_TRUE(contains(*page,
                       "<tr><td align=\"center\"><b><font color=\"#b0541b\">1</font></b><br><span "
                       "class=\"note\">十四</span></td>"));
  EXPECT_TRUE(
      contains(*page, "<td align=\"center\" bgcolor=\"#f3e6d3\"><b>17</b><br><span class=\"note\">春节</span>"));
  EXPECT_TRUE(contains(*page, "<span class=\"note\">除夕</span>"));
  EXPECT_TRUE(contains(*page, "<span class=\"note\">立春</span>"));
  EXPECT_TRUE(contains(*page, "<li>2月4日 04:02　立春</li>"));
  EXPECT_TRUE(contains(*page, "<li>2月14日　情人节</li>"));
  EXPECT_TRUE(contains(*page, "农历乙巳年（蛇年）至丙午年（马年）"));
  EXPECT_TRUE(contains(*page, "href=\"wannianli-2026-1.htm\""));
  EXPECT_TRUE(contains(*page, "href=\"wannianli-2026-3.htm\""));
  EXPECT_TRUE(contains(*page, "href=\"wannianli-2025-2.htm\""));
  EXPECT_FALSE(contains(*page, "回到本月"));  // today is in this month
  std::size_t days = 0;
  for (std::size_t at = page->find("<br><span class=\"note\">"); at != std::string::npos;
       at = page->find("<br><span class=\"note\">", at + 1)) {
    ++days;
  }
  EXPECT_EQ(days, 28U);
}

TEST(MonthPage, EdgesOfTheCalendar) {
  const calendar::Date today{2026, 5, 17};
  const auto first = monthPageHtml(1901, 1, today);
  ASSERT_TRUE(first);
  EXPECT_FALSE(contains(*first, "wannianli-1900-"));
  EXPECT_TRUE(contains(*first, "href=\"wannianli-2026-5.htm\">回到本月"));
  const auto last = monthPageHtml(2100, 12, today);
  ASSERT_TRUE(last);
  EXPECT_FALSE(contains(*last, "wannianli-2101-"));
  EXPECT_FALSE(monthPageHtml(2101, 1, today));
  EXPECT_FALSE(monthPageHtml(2026, 13, today));
  EXPECT_FALSE(monthPageHtml(2026, 0, today));
}

// The service sends pages in GBK: a character GBK lacks would lose the whole page.
TEST(GeneratedPages, EncodeInGbk) {
  std::vector<std::pair<std::string, std::optional<std::string>>> pages;
  for (const int year : {1901, 1950, 2026, 2100}) {
    pages.emplace_back("essjqb " + std::to_string(year), solarTermsPageHtml(year));
    pages.emplace_back("zwzyjrjb " + std::to_string(year), festivalsPageHtml(year));
  }
  for (int month = 1; month <= 12; ++month) {
    pages.emplace_back("wannianli 2026-" + std::to_string(month), monthPageHtml(2026, month, {2026, 5, 17}));
  }
  pages.emplace_back("wannianli 1901-1", monthPageHtml(1901, 1, {2026, 5, 17}));
  pages.emplace_back("wannianli 2100-12", monthPageHtml(2100, 12, {2026, 5, 17}));
  for (int animal = 1; animal <= 12; ++animal) {
    pages.emplace_back("shengxiao " + std::to_string(animal), zodiacPageHtml(animal, Article{"标题", {"正文。"}}));
  }
  for (const auto& [name, page] : pages) {
    ASSERT_TRUE(page) << name;
    EXPECT_TRUE(common::utf8ToGbk(*page)) << name;
  }
}

}  // namespace
}  // namespace quillan::content
