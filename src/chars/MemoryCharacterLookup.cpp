#include "chars/MemoryCharacterLookup.h"

namespace quillan::chars {

MemoryCharacterLookup::MemoryCharacterLookup(const std::vector<CharRecord>& records) {
  for (const auto& record : records) {
    add(record);
  }
}

void MemoryCharacterLookup::add(const CharRecord& record, const CharDetails& details) {
  records_.insert_or_assign(record.simplified, std::pair(record, details));
}

LookupResult MemoryCharacterLookup::lookup(std::string_view character) {
  asked_.emplace_back(character);
  if (!reachable_) {
    return LookupResult::unreachable();
  }
  const auto found = records_.find(character);
  if (found == records_.end()) {
    return LookupResult::notFound();
  }
  return LookupResult::found(found->second.first, found->second.second);
}

}  // namespace quillan::chars
