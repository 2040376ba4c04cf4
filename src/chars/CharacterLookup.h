#pragma once

#include <string>
#include <string_view>

#include "chars/CharDetails.h"
#include "chars/CharRecord.h"

namespace quillan::chars {

// How one dictionary lookup ended: a record, no such character, or no answer at all.
enum class LookupStatus { Found, NotFound, Unreachable };

struct LookupResult {
  LookupStatus status = LookupStatus::NotFound;
  CharRecord record;    // filled only when Found
  CharDetails details;  // what the source knows besides, when Found
  std::string failure;  // Unreachable: what the transport said, when it said anything ("等待超时")

  static LookupResult found(CharRecord record, CharDetails details = {}) {
    return {LookupStatus::Found, std::move(record), std::move(details), {}};
  }
  static LookupResult notFound() { return {LookupStatus::NotFound, {}, {}, {}}; }
  static LookupResult unreachable(std::string failure = {}) {
    return {LookupStatus::Unreachable, {}, {}, std::move(failure)};
  }
};

// The readings of a surname's characters, one per character, in order: a compound surname's own
// reading (万俟 mò qí), else each character's reading as a surname (曾 zēng), else its usual one.
// The lookups must all have found their character.
std::vector<std::string> surnameReadings(const std::vector<LookupResult>& characters, std::string_view surname);

// A record a name can be scored from: found, with a stroke count. A record without strokes would
// silently count 0.
bool hasStrokes(const LookupResult& result);

// The sentence for a lookup that brought no usable record: "无法连接数据服务" when nothing
// answered, else "未找到汉字「X」的笔划数据".
std::string lookupFailureMessage(const LookupResult& result, std::string_view character);

// The dictionary lookup of one character, passed in to whoever needs records (generation, the
// report) so that they never reach a service themselves and tests can answer from memory.
class CharacterLookup {
 public:
  virtual ~CharacterLookup() = default;

  // One character as UTF-8 text.
  virtual LookupResult lookup(std::string_view character) = 0;

 protected:
  CharacterLookup() = default;
  CharacterLookup(const CharacterLookup&) = default;
  CharacterLookup& operator=(const CharacterLookup&) = default;
};

}  // namespace quillan::chars
