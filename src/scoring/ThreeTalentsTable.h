#pragma once

#include <array>
#include <string_view>

#include "scoring/Element.h"

namespace quillan::scoring {

// The four values of a three-talents combination, in half points: 2, 3 or 4 stand for 1, 1.5, 2.
struct TalentValues {
  std::array<unsigned char, 4> halves;
};

const TalentValues& threeTalentsValues(Element heaven, Element person, Element earth);

// "1", "1.5" or "2" for a value in half points.
std::string_view talentValueText(int halves);

}  // namespace quillan::scoring
