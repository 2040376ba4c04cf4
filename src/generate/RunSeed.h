#pragma once

#include <cstdint>

#include "generate/GenerationRequest.h"

namespace quillan::generate {

// The seed every random mode starts from: 天格 plus the leading numbers of the birthday, year,
// month, day and hour selections, so equal inputs always give equal names. Modes add their own
// offsets to it (wrapping at 2^32 like the generator's state).
std::uint32_t baseSeed(int heavenGrid, const BirthdaySelection& birthday);

}  // namespace quillan::generate
