#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::folk {

// 姓氏起源: our short account of where a surname comes from (data/folk/surname-origins.tsv), with
// its reading as a surname (data/folk/surnames.tsv).
struct SurnameOrigin {
  std::string surname;
  std::string reading;  // "wáng", "sī mǎ"; empty where the surname list has none
  std::string origin;
};

// Every surname with its origin, in the order of the table.
const std::vector<SurnameOrigin>& surnameOrigins();

// The surname itself, or nullptr when the table has no origin for it.
const SurnameOrigin* originOf(std::string_view surname);

// The surnames whose characters or reading (tone marks ignored, blanks too) contain the query;
// all of them for an empty query.
std::vector<const SurnameOrigin*> searchSurnames(std::string_view query);

}  // namespace quillan::folk
