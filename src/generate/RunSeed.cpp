#include "generate/RunSeed.h"

#include "common/TextNumbers.h"

namespace quillan::generate {

std::uint32_t baseSeed(int heavenGrid, const BirthdaySelection& birthday) {
  using common::textToInt;
  const long long sum = static_cast<long long>(heavenGrid) + textToInt(birthday.birthday) + textToInt(birthday.year) +
                        textToInt(birthday.month) + textToInt(birthday.day) + textToInt(birthday.hour);
  return static_cast<std::uint32_t>(sum);
}

}  // namespace quillan::generate
