#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "chars/CharacterLookup.h"

namespace quillan::chars {

// A lookup that answers from records held in memory: for tests, and for callers that already
// hold the records they need. It remembers what it was asked, in order.
class MemoryCharacterLookup final : public CharacterLookup {
 public:
  MemoryCharacterLookup() = default;
  explicit MemoryCharacterLookup(const std::vector<CharRecord>& records);

  // Keyed by the record's simplified form; a later record for the same character replaces it.
  void add(const CharRecord& record, const CharDetails& details = {});

  // An unreachable lookup answers Unreachable to every question, as a service that is down.
  void setReachable(bool reachable) { reachable_ = reachable; }

  LookupResult lookup(std::string_view character) override;

  const std::vector<std::string>& asked() const { return asked_; }

 private:
  std::map<std::string, std::pair<CharRecord, CharDetails>, std::less<>> records_;
  std::vector<std::string> asked_;
  bool reachable_ = true;
};

}  // namespace quillan::chars
