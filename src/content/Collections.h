#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillan::content {

// A collection of parenting articles: the menu entry that opens it, its section under "tovka/"
// and its titles as one "|"-separated text (title n is page n.htm).
struct ArticleCollection {
  std::string_view menuEntry;
  std::string_view section;
  std::string titleList;
};

// The seven collections, in the order of the menu "育儿知识".
std::span<const ArticleCollection> articleCollections();

// The collection opened by a menu entry or shown under a section; nullptr when there is none.
const ArticleCollection* collectionByMenuEntry(std::string_view menuEntry);
const ArticleCollection* collectionBySection(std::string_view section);

}  // namespace quillan::content
