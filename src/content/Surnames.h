#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::content {

enum class SurnameKind { Common, Special, Compound };

// A surname of the page "百家姓" with its reading as a surname, one per character, and another
// living reading of the same surname where there is one.
struct Surname {
  SurnameKind kind = SurnameKind::Common;
  std::string text;
  std::vector<std::string> readings;
  std::string other;  // "lè" beside 乐 yuè; empty for most
};

// The table data/folk/surnames.tsv (header kind, surname, reading, other, note; tab-separated);
// nullopt when the header or a row is malformed.
std::optional<std::vector<Surname>> parseSurnameList(std::string_view text);

// That list, embedded at build time.
std::span<const Surname> surnameList();

}  // namespace quillan::content
