#include "common/FailureLog.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace quillan::common {

void logFailure(std::string_view where, std::string_view reason) {
  static std::mutex mutex;
  std::string line = "quillan: ";
  line.append(where).append(": ").append(reason).append("\n");
  const std::lock_guard lock(mutex);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace quillan::common
