#pragma once

#include <cstdint>

#include "chars/CharacterLists.h"
#include "generate/GenerationContext.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationSinks.h"
#include "generate/RequestCheck.h"

namespace quillan::generate {

inline constexpr int kNicknameRows = 100;

// The fixed entries of the 小A and A儿 patterns.
inline constexpr std::string_view kXiaoEntry = "小,小,xiao,3,金";
inline constexpr std::string_view kErEntry = "儿,兒,er,8,金";

// What the pattern adds to the base seed: 111, 2345, 8686.
std::uint32_t nicknameSeedOffset(NicknamePattern pattern);

// 起小名: 100 pet names of the chosen pattern, each drawn character from the gender's list and
// written after the surname, scored as a two-character given name. Name length, algorithm and
// generation character are not read. The gender's list must not be empty.
GenerationOutcome runNicknameMode(const CheckedRequest& run, const GenerationContext& context,
                                  const chars::CharacterLists& lists, const GenerationSinks& sinks);

}  // namespace quillan::generate
