#pragma once

#include <string_view>

namespace quillan::dictionary {

// A Kangxi radical/residual-stroke pair ("85.7", "120'.3" counts as radical 120).
struct RadicalStroke {
  int radical = 0;   // 1-214; 0 when unknown
  int residual = 0;  // strokes beyond the radical, may be 0 or negative (王 is 96.-1)
};

// The first pair of a kRSKangXi or kRSUnicode value; radical 0 when the text holds none.
RadicalStroke parseRadicalStroke(std::string_view value);

// Strokes of the full form of a Kangxi radical (氵 counts as 水, 4; 艹 as 艸, 6); 0 outside 1-214.
int radicalFullStrokes(int radical);

}  // namespace quillan::dictionary
