#include "content/ZodiacPage.h"

#include <array>

#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"
#include "content/PageParts.h"
#include "content/PageShell.h"

namespace quillan::content {
namespace {

constexpr int kFirstYear = 1924;  // 甲子, a year of the rat
constexpr int kLastYear = 2044;

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 5> kStemElements = {"木", "火", "土", "金", "水"};

// 甲乙 wood, 丙丁 fire, 戊己 earth, 庚辛 metal, 壬癸 water.
std::string elementOfStem(std::string_view sexagenary) {
  for (std::size_t i = 0; i < kStems.size(); ++i) {
    if (sexagenary.starts_with(kStems[i])) {
      return std::string(kStemElements[i / 2]);
    }
  }
  return {};
}

// 正月初一 of a Gregorian year: it always falls between January 21 and February 20.
std::optional<calendar::Date> newYearOf(int year) {
  for (int day = 19; day <= 31 + 21; ++day) {
    const calendar::Date date = day <= 31 ? calendar::Date{year, 1, day} : calendar::Date{year, 2, day - 31};
    const auto lunar = calendar::lunarDateOf(date);
    if (lunar && lunar->month == 1 && lunar->day == 1 && !lunar->leap) {
      return date;
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<ZodiacYear> zodiacYears(int animal) {
  std::vector<ZodiacYear> years;
  if (animal < 1 || animal > 12) {
    return years;
  }
  for (int year = kFirstYear + animal - 1; year <= kLastYear; year += 12) {
    const auto newYear = newYearOf(year);
    if (!newYear) {
      continue;
    }
    const auto sexagenary = calendar::lunarDateOf(*newYear)->yearText();
    years.push_back({year, sexagenary, elementOfStem(sexagenary), calendar::nayinOf(sexagenary), *newYear});
  }
  return years;
}

std::optional<std::string> zodiacPageHtml(int animal, const Article& description) {
  const auto years = zodiacYears(animal);
  if (years.empty()) {
    return std::nullopt;
  }
  const auto name = calendar::zodiacOfBranch(animal - 1);
  std::string body = articleBodyHtml(description);
  body += "<h2>属" + name + "的年份（" + std::to_string(kFirstYear) + "—" + std::to_string(kLastYear) + "）</h2>\n";
  body += "<table>\n";
  body += rowHtml({"年份", "干支", "五行", "纳音", "农历新年（正月初一）"}, true);
  for (const auto& year : years) {
    body += rowHtml({"<b>" + std::to_string(year.year) + "</b>", year.sexagenary, year.element + name, year.nayin,
                     fullDateText(year.newYear)});
  }
  body += "</table>\n";
  body +=
      "<p class=\"note\">本表按农历年划分生肖：正月初一之前出生的宝宝，算上一年的生肖。五行按年份天干：甲乙木、丙丁火、"
      "戊己土、庚辛金、壬癸水；纳音是六十甲子的另一种五行说法。农历日期由本程序推算。</p>\n";
  return pageHtml(description.title, body);
}

}  // namespace quillan::content
