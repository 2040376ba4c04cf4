#pragma once

#include <string>
#include <string_view>

#include "chars/CharRecord.h"
#include "chars/CharacterLookup.h"
#include "generate/GenerationOutcome.h"

namespace quillan::generate {

// A looked-up character that generation can count on: Completed with a record that has a stroke
// count, or the reason it has none. A record without strokes would silently count 0.
struct FetchedCharacter {
  GenerationStatus status = GenerationStatus::CharacterNotFound;
  chars::LookupResult found;  // record and details when Completed
  std::string message;        // when not Completed
};

FetchedCharacter fetchCharacter(chars::CharacterLookup& lookup, std::string_view character);

// The outcome that reports a failed fetch ("无法连接数据服务" or "未找到汉字「X」的笔划数据").
GenerationOutcome fetchFailure(const FetchedCharacter& fetched);

}  // namespace quillan::generate
