#include "chars/NameMeanings.h"

#include <map>
#include <string>

#include "common/TextSplit.h"

namespace quillan::chars {
namespace embedded {
std::string_view nameMeaningsText();
}  // namespace embedded

namespace {

// The table's rows after its header: character TAB meaning.
std::map<std::string, std::string, std::less<>> parseMeanings(std::string_view text) {
  std::map<std::string, std::string, std::less<>> meanings;
  const auto lines = common::splitText(text, "\n");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto tab = lines[i].find('\t');
    if (tab != std::string::npos) {
      meanings.emplace(lines[i].substr(0, tab), lines[i].substr(tab + 1));
    }
  }
  return meanings;
}

}  // namespace

std::string_view meaningOf(std::string_view character) {
  static const auto meanings = parseMeanings(embedded::nameMeaningsText());
  const auto it = meanings.find(character);
  return it == meanings.end() ? std::string_view{} : std::string_view(it->second);
}

}  // namespace quillan::chars
