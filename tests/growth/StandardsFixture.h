#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <variant>

#include "growth/GrowthStandards.h"

namespace quillan::growth::testing {

// The WHO tables of the source tree, read once for the whole test program.
inline const GrowthStandards& standards() {
  static const GrowthStandards loaded = [] {
    auto result = GrowthStandards::load(QUILLAN_SOURCE_DIR "/data/growth");
    if (auto* failure = std::get_if<std::string>(&result)) {
      ADD_FAILURE() << *failure;
      std::abort();
    }
    return std::get<GrowthStandards>(std::move(result));
  }();
  return loaded;
}

}  // namespace quillan::growth::testing
