#include "chars/CharDetails.h"

#include "chars/Radicals.h"
#include "common/TextSplit.h"

namespace quillan::chars {

std::string elementBasisWord(const CharDetails& details) {
  if (details.elementBasis == "radical") {
    return "部首" + radicalName(details.radical);
  }
  if (details.elementBasis == "meaning") {
    return "字义";
  }
  if (details.elementBasis == "sound") {
    return "字音";
  }
  if (details.elementBasis == "override") {
    return "审定";
  }
  return {};
}

std::vector<std::string> compoundSurnameReadings(const CharDetails& first, std::string_view compound) {
  if (first.compoundSurnames.empty()) {
    return {};
  }
  for (const auto& item : common::splitText(first.compoundSurnames, "|")) {
    const auto colon = item.find(':');
    if (colon != std::string::npos && std::string_view(item).substr(0, colon) == compound) {
      return common::splitText(item.substr(colon + 1), " ");
    }
  }
  return {};
}

}  // namespace quillan::chars
