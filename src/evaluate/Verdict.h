#pragma once

#include <string_view>

namespace quillan::evaluate {

// The one-sentence verdict for a score, chosen by its integer part in seven bands.
std::string_view verdictSentence(double score);

}  // namespace quillan::evaluate
