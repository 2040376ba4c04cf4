#include "generate/RunSeed.h"

#include "common/TextNumbers.h"

namespace quillan::generate {

std::int64_t birthdayNumbers(const BirthdaySelection& birthday) {
  std::int64_t sum = 0;
  for (const auto* text : {&birthday.birthday, &birthday.year, &birthday.month, &birthday.day, &birthday.hour}) {
    sum += common::textToInt(*text);
  }
  return sum;
}

std::uint32_t baseSeed(int heavenGrid, std::int64_t birthdayNumbers) {
  return static_cast<std::uint32_t>(heavenGrid + birthdayNumbers);
}

}  // namespace quillan::generate
