#include "content/TitleRows.h"

#include "common/TextSplit.h"

namespace quillan::content {

std::vector<TitleRow> titleRows(std::string_view titleList) {
  std::vector<TitleRow> rows;
  if (titleList.empty()) {
    return rows;
  }
  int number = 0;
  for (auto& title : common::splitText(titleList, "|")) {
    rows.push_back({std::move(title), std::to_string(++number) + ".htm"});
  }
  return rows;
}

}  // namespace quillan::content
