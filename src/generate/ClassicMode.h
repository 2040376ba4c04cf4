#pragma once

#include <cstdint>
#include <optional>

#include "chars/CharacterLists.h"
#include "generate/GenerationContext.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationSinks.h"
#include "generate/RequestCheck.h"

namespace quillan::generate {

inline constexpr int kClassicRows = 100;
// A run that checks names gives up after this many draws (a generation character that fails a gate
// can never pass).
inline constexpr int kClassicMaxDraws = 100000;

// What the classic mode adds to the base seed for a branch; nullopt where the base seed stays
// ("三字" without generation character).
std::optional<std::uint32_t> classicSeedOffset(chars::Gender gender, NameLength length, GenerationCharOption option);

// 经典模式: 100 names drawn at random from the gender's list, neither filtered nor sorted, with the
// generation character fixed in its position where one is set ("三字" only). When the run checks
// names ("高级算法", or the family's avoid list) it draws on with the same generator until 100 pass,
// so equal inputs still give equal lists; at most kClassicMaxDraws draws, and fewer rows are said in
// the summary. The gender's list must not be empty.
GenerationOutcome runClassicMode(const CheckedRequest& run, const GenerationContext& context,
                                 const chars::CharacterLists& lists, const GenerationSinks& sinks);

}  // namespace quillan::generate
