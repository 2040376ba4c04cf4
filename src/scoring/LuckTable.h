#pragma once

#include <optional>
#include <string_view>

namespace quillan::scoring {

// The three luck classes of the 81-number table.
enum class Luck : unsigned char { Great, Half, Bad };

// "大吉", "半吉", "凶".
std::string_view luckWord(Luck luck);

// The fixed table itself: the class of 1..81, nullopt for any other number.
std::optional<Luck> tableLuck(int number);

// Numbers above 81 are reduced by 80 until they are at most 81 (the traditional reduction).
int reducedNumber(int number);

// The numbers a high-score name's 人格, 地格 and 总格 must all fall on: the table's "大吉" numbers
// except 1, taken as they stand (a number above 81 never passes).
bool isHighScoreNumber(int number);

// How a grid number is rated: 0 or less (missing stroke data) is "凶"; above 81 rates as its
// reduced number; otherwise the table.
Luck rateNumber(int number);

}  // namespace quillan::scoring
