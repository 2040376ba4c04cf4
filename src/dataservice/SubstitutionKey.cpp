#include "dataservice/SubstitutionKey.h"

#include <set>

#include "common/RandomGenerator.h"
#include "common/TextSplit.h"

namespace quillan::dataservice {

SubstitutionKey splitKeyText(std::string_view keyText) { return common::splitText(keyText, ","); }

std::string keyText(const SubstitutionKey& key) { return common::joinText(key, ","); }

bool isValidKey(const SubstitutionKey& key) { return keyProblem(key).empty(); }

std::string keyProblem(const SubstitutionKey& key) {
  if (key.size() != kKeyEntryCount) {
    return "the key needs 11 letters joined by \",\" (one for each digit 1-9, 0 and for \":\"), got " +
           std::to_string(key.size()) + " entries";
  }
  std::set<char> seen;
  for (const auto& entry : key) {
    if (entry.size() != 1 || entry[0] < 'a' || entry[0] > 'z') {
      return "every key entry must be one lowercase letter a-z, not \"" + entry + "\"";
    }
    if (!seen.insert(entry[0]).second) {
      return "the key repeats the letter \"" + entry + "\"";
    }
  }
  return {};
}

SubstitutionKey drawKey(common::RandomGenerator& random) {
  std::string letters = "abcdefghijklmnopqrstuvwxyz";
  SubstitutionKey key;
  while (key.size() < kKeyEntryCount) {
    const auto at = static_cast<std::size_t>(random.position(static_cast<int>(letters.size())) - 1);
    key.emplace_back(1, letters[at]);
    letters.erase(at, 1);
  }
  return key;
}

}  // namespace quillan::dataservice
