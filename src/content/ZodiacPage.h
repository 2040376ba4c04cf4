#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/Date.h"
#include "content/ArticlePage.h"

namespace quillan::content {

// One year of a zodiac animal: the lunar year that begins in that Gregorian year.
struct ZodiacYear {
  int year = 0;
  std::string sexagenary;  // "甲子"
  std::string element;     // of the year's stem: "木"
  std::string nayin;       // "海中金"
  calendar::Date newYear;  // 正月初一
};

// The years 1924–2044 of animal 1 (鼠) … 12 (猪), from the calendar; empty for another number.
std::vector<ZodiacYear> zodiacYears(int animal);

// "shengxiao/n.htm": the description of animal n (its title is the page's heading), then the table
// of its years. nullopt for an animal number outside 1–12.
std::optional<std::string> zodiacPageHtml(int animal, const Article& description);

}  // namespace quillan::content
