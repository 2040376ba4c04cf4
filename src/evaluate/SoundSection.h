#pragma once

#include <string>
#include <vector>

#include "chars/CharDetails.h"
#include "quality/NameQuality.h"

namespace quillan::evaluate {

// The HTML report's section "音律与字义": each character's reading, tone and 平仄, the 音律分 with
// its reasons, the gates failed and the warnings, and what each given-name character means.
std::string soundSectionHtml(const quality::Assessment& sound, const std::vector<std::string>& meanings);

}  // namespace quillan::evaluate
