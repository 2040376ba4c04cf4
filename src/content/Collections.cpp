#include "content/Collections.h"

#include <array>

#include "common/TextSplit.h"

namespace quillan::content {
namespace embedded {
std::string_view monthlyTitles();
std::string_view newbornTitles();
std::string_view dailyTitles();
std::string_view newbornCareTitles();
std::string_view potentialTitles();
std::string_view communicationTitles();
std::string_view experienceTitles();
}  // namespace embedded

namespace {

// One title per line in the source files; the program keeps them "|"-separated.
std::string titleListFromLines(std::string_view lines) {
  auto titles = common::splitText(lines, "\n");
  if (!titles.empty() && titles.back().empty()) {
    titles.pop_back();  // the final line end
  }
  for (auto& title : titles) {
    if (!title.empty() && title.back() == '\r') {
      title.pop_back();
    }
  }
  return common::joinText(titles, "|");
}

const std::array<ArticleCollection, 7>& collections() {
  static const std::array<ArticleCollection, 7> all = {{
      {"育儿知识天天读", "yezs/yezsttd/", titleListFromLines(embedded::dailyTitles())},
      {"育儿知识月月读", "yezs/yezsyyd/", titleListFromLines(embedded::monthlyTitles())},
      {"新生儿知识", "yezs/xsezs/", titleListFromLines(embedded::newbornTitles())},
      {"新生儿护理", "yezs/xsehl/", titleListFromLines(embedded::newbornCareTitles())},
      {"母婴交流", "yezs/myjl/", titleListFromLines(embedded::communicationTitles())},
      {"潜能开发", "yezs/qnkf/", titleListFromLines(embedded::potentialTitles())},
      {"育儿经验", "yezs/yejy/", titleListFromLines(embedded::experienceTitles())},
  }};
  return all;
}

}  // namespace

std::span<const ArticleCollection> articleCollections() { return collections(); }

const ArticleCollection* collectionByMenuEntry(std::string_view menuEntry) {
  for (const auto& collection : collections()) {
    if (collection.menuEntry == menuEntry) {
      return &collection;
    }
  }
  return nullptr;
}

const ArticleCollection* collectionBySection(std::string_view section) {
  for (const auto& collection : collections()) {
    if (collection.section == section) {
      return &collection;
    }
  }
  return nullptr;
}

}  // namespace quillan::content
