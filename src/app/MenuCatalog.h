#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace quillan::app {

// The pages of 选择夹1, in their order there.
enum class Page { Generation, Scoring, Fate, Folk, More, Shortlist };

// The inner pages of 选择夹2 on the scoring page.
enum class ScoringTab { Certificate, Score };

// One entry of a reading menu, bound by what it opens, never by its caption (a translation may
// change the caption): a collection of articles (section only) or one page (section and file),
// both under <base>tovka/. An entry with neither is a separator.
struct MenuEntry {
  QString caption;
  std::string_view section;
  std::string_view file;

  bool separator() const { return section.empty(); }
};

// The reading menus of the menu bar, in menu-bar order after "快捷菜单".
struct ContentMenu {
  QString title;
  std::vector<MenuEntry> entries;
};

const std::vector<ContentMenu>& contentMenus();

// One page of 选择夹1 as the toolbar and "快捷菜单" reach it; no tab leaves 选择夹2 alone.
struct PageTarget {
  QString caption;
  QString icon;
  Page page;
  std::optional<ScoringTab> tab;
};

// "姓名生成", "姓名评分", "评定证书", "民俗预测", "命运测算", "更多功能", "备选名单".
const std::vector<PageTarget>& pageTargets();

}  // namespace quillan::app
