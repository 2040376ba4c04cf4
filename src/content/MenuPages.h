#pragma once

#include <span>
#include <string_view>

namespace quillan::content {

// A menu entry that opens one page: the page lies at <base>tovka/<section><file>.
struct MenuPage {
  std::string_view menuEntry;
  std::string_view section;
  std::string_view file;
};

// "民俗知识": the single folk-knowledge pages, in menu order.
std::span<const MenuPage> folkPages();

// "生肖运程", "宝宝听儿歌" and "宝宝听故事", each in menu order.
std::span<const MenuPage> zodiacPages();
std::span<const MenuPage> rhymePages();
std::span<const MenuPage> storyPages();

}  // namespace quillan::content
