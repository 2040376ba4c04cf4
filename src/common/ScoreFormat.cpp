#include "common/ScoreFormat.h"

#include <cstdio>

namespace quillan::common {

std::string formatScore(double value) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0U);
}

}  // namespace quillan::common
