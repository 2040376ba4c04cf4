#include "common/LocalTime.h"

namespace quillan::common {

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::string localTimeText(const char* format) {
  const std::tm local = localNow();
  char text[64];
  const std::size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

}  // namespace quillan::common
