#pragma once

#include <optional>
#include <string>

namespace quillan::content {

// "zwzyjrjb.htm", the page "中外节日表" for a year 1901–2100: the Chinese traditional festivals
// with their lunar dates and this year's Gregorian dates computed, the Chinese and international
// festivals of the Gregorian calendar, and links to the years around it. nullopt outside.
std::optional<std::string> festivalsPageHtml(int year);

}  // namespace quillan::content
