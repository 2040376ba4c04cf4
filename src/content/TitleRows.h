#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::content {

// One row of the article-list window: the title and its page file.
struct TitleRow {
  std::string title;
  std::string pageFile;  // "n.htm", n from 1 without leading zeros

  bool operator==(const TitleRow&) const = default;
};

// The rows of a "|"-separated title list; an empty title still takes its number.
std::vector<TitleRow> titleRows(std::string_view titleList);

}  // namespace quillan::content
