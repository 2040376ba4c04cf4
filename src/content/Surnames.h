#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::content {

enum class SurnameKind { Common, Special, Compound };

// A surname of the page "百家姓", with its readings where they differ from the characters' usual
// ones (one per character; empty: the dictionary's usual reading).
struct Surname {
  SurnameKind kind = SurnameKind::Common;
  std::string text;
  std::vector<std::string> readings;
};

// The list in data/folk/surnames.txt ("kind surname [reading …]" per line, "#" comments);
// nullopt when a line is malformed.
std::optional<std::vector<Surname>> parseSurnameList(std::string_view text);

// That list, embedded at build time.
std::span<const Surname> surnameList();

}  // namespace quillan::content
