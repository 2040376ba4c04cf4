#pragma once

#include <cstdint>

#include "generate/GenerationRequest.h"

namespace quillan::generate {

// The leading numbers of the birthday, year, month, day and hour selections, added: "生日" and
// "未知" count 0, and the date counts even when the birthday is "未知".
std::int64_t birthdayNumbers(const BirthdaySelection& birthday);

// The seed every random mode starts from: 天格 plus the birthday's numbers, so equal inputs always
// give equal names. Modes add their own offsets to it (wrapping at 2^32 like the generator's state).
std::uint32_t baseSeed(int heavenGrid, std::int64_t birthdayNumbers);

}  // namespace quillan::generate
