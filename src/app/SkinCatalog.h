#pragma once

#include <QString>
#include <vector>

namespace quillan::app {

// The skins of the "更换皮肤" menu. Each keeps the number the skin had in the original resource
// set, so that the menu's mapping stays visible; the look itself is a Qt style sheet.
struct Skin {
  QString caption;  // menu entry, e.g. "经典皮肤3"
  int number;       // 22 for the default, then 7, 10, 23, 19
};

class SkinCatalog {
 public:
  // The menu's five skins in menu order; the first is the default.
  static const std::vector<Skin>& skins();
  static int defaultSkinNumber() { return 22; }
  // The style sheet of a skin; an empty sheet (the platform look) for a number the program lacks.
  static QString styleSheet(int number);
};

}  // namespace quillan::app
