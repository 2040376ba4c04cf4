#include "app/MenuCatalog.h"

#include <QCoreApplication>
#include <span>
#include <string>

#include "content/Collections.h"
#include "content/MenuPages.h"

namespace quillan::app {
namespace {

// The context of this file's texts for a translation.
class MenuTexts {
  Q_DECLARE_TR_FUNCTIONS(MenuTexts)
};

// A caption of the content site's own tables, through the translation of this file's context.
QString caption(std::string_view text) { return QCoreApplication::translate("MenuTexts", std::string(text).c_str()); }

std::vector<MenuEntry> pageEntries(std::span<const content::MenuPage> pages) {
  std::vector<MenuEntry> entries;
  for (const auto& page : pages) {
    entries.push_back({caption(page.menuEntry), page.section, page.file});
  }
  return entries;
}

// "育儿知识": the collections in their order, in three groups.
std::vector<MenuEntry> collectionEntries() {
  std::vector<MenuEntry> entries;
  std::size_t index = 0;
  for (const auto& collection : content::articleCollections()) {
    if (index == 2 || index == 4) {
      entries.push_back({});
    }
    entries.push_back({caption(collection.menuEntry), collection.section, {}});
    ++index;
  }
  return entries;
}

}  // namespace

const std::vector<ContentMenu>& contentMenus() {
  static const std::vector<ContentMenu> menus{
      {MenuTexts::tr("育儿知识"), collectionEntries()},
      {MenuTexts::tr("民俗知识"), pageEntries(content::folkPages())},
      {MenuTexts::tr("生肖运程"), pageEntries(content::zodiacPages())},
      {MenuTexts::tr("宝宝听儿歌"), pageEntries(content::rhymePages())},
      {MenuTexts::tr("宝宝听故事"), pageEntries(content::storyPages())},
  };
  return menus;
}

const std::vector<PageTarget>& pageTargets() {
  static const std::vector<PageTarget> targets{
      {MenuTexts::tr("姓名生成"), QStringLiteral("generate"), Page::Generation, std::nullopt},
      {MenuTexts::tr("姓名评分"), QStringLiteral("score"), Page::Scoring, ScoringTab::Score},
      {MenuTexts::tr("评定证书"), QStringLiteral("certificate"), Page::Scoring, ScoringTab::Certificate},
      {MenuTexts::tr("民俗预测"), QStringLiteral("folk"), Page::Folk, std::nullopt},
      {MenuTexts::tr("命运测算"), QStringLiteral("fate"), Page::Fate, ScoringTab::Certificate},
      {MenuTexts::tr("更多功能"), QStringLiteral("more"), Page::More, std::nullopt},
      {MenuTexts::tr("备选名单"), QStringLiteral("shortlist"), Page::Shortlist, std::nullopt},
  };
  return targets;
}

}  // namespace quillan::app
