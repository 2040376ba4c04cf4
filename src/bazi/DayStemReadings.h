#pragma once

#include <string_view>

namespace quillan::bazi {

// 日干论命: our short text of folk lore for each of the ten day stems 0 (甲) … 9 (癸)
// (data/fate/day-stems.tsv, built in); empty outside. A malformed table is a fault of the build and
// throws std::logic_error on first use.
std::string_view dayStemReading(int stem);

}  // namespace quillan::bazi
