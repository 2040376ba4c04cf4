#include "scoring/LuckTable.h"

#include <array>

namespace quillan::scoring {
namespace {

constexpr Luck G = Luck::Great;
constexpr Luck H = Luck::Half;
constexpr Luck B = Luck::Bad;

// Index = number - 1; ten numbers a row.
constexpr std::array<Luck, 81> kTable = {
    G, B, G, B, G, H, G, G, B, B,  // 1-10
    G, B, G, B, G, G, H, G, B, B,  // 11-20
    G, B, G, G, G, H, H, B, H, H,  // 21-30
    G, G, G, B, G, B, G, H, G, B,  // 31-40
    G, B, B, B, G, B, G, G, H, B,  // 41-50
    H, G, B, B, H, B, G, H, B, B,  // 51-60
    G, B, G, B, G, B, G, B, B, B,  // 61-70
    H, H, B, B, H, B, H, B, B, B,  // 71-80
    G,                             // 81
};

}  // namespace

std::string_view luckWord(Luck luck) {
  switch (luck) {
    case Luck::Great:
      return "大吉";
    case Luck::Half:
      return "半吉";
    case Luck::Bad:
      break;
  }
  return "凶";
}

std::optional<Luck> tableLuck(int number) {
  if (number < 1 || number > 81) {
    return std::nullopt;
  }
  return kTable[static_cast<std::size_t>(number - 1)];
}

bool isHighScoreNumber(int number) { return number != 1 && tableLuck(number) == Luck::Great; }

int reducedNumber(int number) {
  while (number > 81) {
    number -= 80;
  }
  return number;
}

Luck rateNumber(int number) {
  if (number <= 0) {
    return Luck::Bad;
  }
  return kTable[static_cast<std::size_t>(reducedNumber(number) - 1)];
}

}  // namespace quillan::scoring
