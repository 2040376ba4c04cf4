#include "app/SkinCatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <utility>

namespace quillan::app {
namespace {

// The colours one skin fills into the shared sheet.
struct Palette {
  int number;
  const char* window;
  const char* card;
  const char* input;
  const char* alt;
  const char* header;
  const char* border;
  const char* text;
  const char* muted;
  const char* accent;
  const char* accent2;
  const char* accentHover;
  const char* accentSoft;
  const char* onAccent;
  const char* bar;
  const char* barText;
  const char* barHover;
  const char* disabledBg;
};

// 22 朱砂 (default, warm paper and vermilion), 7 墨韵 (dark), 10 青瓷 (celadon), 23 海蓝, 19 樱粉.
constexpr std::array<Palette, 5> kPalettes{{
    {22, "#f7f3ee", "#ffffff", "#fffdfa", "#fbf6f0", "#f3ebe1", "#e6d9ca", "#2d2620", "#8c7f73", "#c0392b", "#e0683c",
     "#a93226", "#f9e3dc", "#ffffff", "#8e2a20", "#fff4ea", "#a8372b", "#efe8e0"},
    {7, "#1d2024", "#262a30", "#2d3239", "#2a2e35", "#30353d", "#3c424b", "#e8e4dc", "#9199a3", "#d4a94f", "#b8862f",
     "#e0b963", "#3a3528", "#1d2024", "#15171a", "#e8e4dc", "#2f333a", "#30343a"},
    {10, "#eef4f0", "#ffffff", "#fbfdfc", "#f3f8f5", "#e3efe8", "#cfe0d6", "#1f3329", "#6f8579", "#3d8b6e", "#5fae8b",
     "#337a60", "#dcefe5", "#ffffff", "#2f6e57", "#f1faf5", "#3d8b6e", "#e6ece8"},
    {23, "#eef3f9", "#ffffff", "#fbfcfe", "#f4f7fc", "#e4ecf6", "#cfdbea", "#1c2a3a", "#6c7b8c", "#2f6fb5", "#4f9ad6",
     "#285f9b", "#dde9f7", "#ffffff", "#23558c", "#eef5fd", "#2f6fb5", "#e5eaf0"},
    {19, "#fbf1f3", "#ffffff", "#fffbfc", "#fdf5f7", "#f8e6ea", "#efd2d9", "#3a2429", "#8f747b", "#d0587e", "#ec8aa5",
     "#b94a6d", "#fbe1e9", "#ffffff", "#b94a6d", "#fff2f6", "#c8567a", "#f1e6e9"},
}};

const Palette* paletteOf(int number) {
  for (const Palette& palette : kPalettes) {
    if (palette.number == number) {
      return &palette;
    }
  }
  return nullptr;
}

QString sheetTemplate() {
  QFile file(QStringLiteral(":/skins/base.qss"));
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  return QString::fromUtf8(file.readAll());
}

}  // namespace

const std::vector<Skin>& SkinCatalog::skins() {
  static const std::vector<Skin> all{
      {QCoreApplication::translate("quillan::app::SkinCatalog", "默认皮肤"), 22},
      {QCoreApplication::translate("quillan::app::SkinCatalog", "经典皮肤1"), 7},
      {QCoreApplication::translate("quillan::app::SkinCatalog", "经典皮肤2"), 10},
      {QCoreApplication::translate("quillan::app::SkinCatalog", "经典皮肤3"), 23},
      {QCoreApplication::translate("quillan::app::SkinCatalog", "经典皮肤4"), 19},
  };
  return all;
}

QString SkinCatalog::styleSheet(int number) {
  const Palette* palette = paletteOf(number);
  if (palette == nullptr) {
    return {};
  }
  // Longer names first, so that "@accent" does not eat the start of "@accentSoft".
  const std::array<std::pair<const char*, const char*>, 17> colours{{
      {"@accentHover", palette->accentHover},
      {"@accentSoft", palette->accentSoft},
      {"@accent2", palette->accent2},
      {"@accent", palette->accent},
      {"@onAccent", palette->onAccent},
      {"@window", palette->window},
      {"@card", palette->card},
      {"@input", palette->input},
      {"@alt", palette->alt},
      {"@header", palette->header},
      {"@border", palette->border},
      {"@text", palette->text},
      {"@muted", palette->muted},
      {"@barText", palette->barText},
      {"@barHover", palette->barHover},
      {"@bar", palette->bar},
      {"@disabledBg", palette->disabledBg},
  }};
  QString sheet = sheetTemplate();
  for (const auto& [name, value] : colours) {
    sheet.replace(QLatin1String(name), QLatin1String(value));
  }
  return sheet;
}

}  // namespace quillan::app
