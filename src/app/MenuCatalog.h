#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillan::app {

// The reading menus of the menu bar, in menu-bar order after "快捷菜单". An empty entry is a
// separator. Each entry opens the collection or page of the same name (content/Collections.h,
// content/MenuPages.h).
struct ContentMenu {
  QString title;
  QStringList entries;
};

const std::vector<ContentMenu>& contentMenus();

// One page of 选择夹1 as the toolbar and "快捷菜单" reach it; innerPage -1 leaves 选择夹2 alone.
struct PageTarget {
  QString caption;
  QString icon;
  int page;
  int innerPage;
};

// "姓名生成", "姓名评分", "评定证书", "民俗预测", "命运测算", "更多功能".
const std::vector<PageTarget>& pageTargets();

}  // namespace quillan::app
