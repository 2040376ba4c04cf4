#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillan::app {

// The reading menus of the menu bar, in menu-bar order after "快捷菜单". An empty entry is a
// separator. Their pages are not part of the program yet, so the window shows them disabled.
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
