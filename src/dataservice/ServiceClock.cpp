#include "dataservice/ServiceClock.h"

namespace quillan::dataservice {

std::int64_t ServiceClock::seconds(TimePoint now) const {
  if (start_ == 0) {
    return 0;
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - fetchedAt_).count();
  return start_ + (elapsed > 0 ? elapsed : 0);
}

}  // namespace quillan::dataservice
