#pragma once

#include <string_view>

namespace quillan::folk {

// The small bodily signs of 民俗预测, read by the 时辰 they come in.
enum class Omen { EarRinging, FaceHeat, HeartStart, EyeTwitch };
enum class Side { Left, Right };

// Ear ringing and eye twitching are read by side too.
bool omenHasSides(Omen omen);

// Our text for a sign at a 时辰 0 (子) … 11 (亥); the side counts only where the sign has sides.
// Empty for a branch outside 0-11.
std::string_view omenText(Omen omen, int branch, Side side = Side::Left);

// Our text for the number of whorls (斗) on ten fingers, 0-10; empty for any other.
std::string_view fingerprintText(int whorls);

}  // namespace quillan::folk
