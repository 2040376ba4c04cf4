#include "chars/MemoryCharacterLookup.h"

namespace quillan::chars {

MemoryCharacterLookup::MemoryCharacterLookup(const std::vector<CharRecord>& records) {
  for (const auto& record : records) {
    add(record);
  }
}

void MemoryCharacterLookup::add(const CharRecord& record) { records_.insert_or_assign(record.simplified, record); }

LookupResult MemoryCharacterLookup::lookup(std::string_view character) {
  asked_.emplace_back(character);
  if (!reachable_) {
    return LookupResult::unreachable();
  }
  const auto found = records_.find(character);
  if (found == records_.end()) {
    return LookupResult::notFound();
  }
  return LookupResult::found(found->second);
}

}  // namespace quillan::chars
