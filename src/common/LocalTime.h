#pragma once

#include <ctime>
#include <string>

namespace quillan::common {

// The clock as the user reads it: now in the machine's time zone.
std::tm localNow();

// Now in the machine's time zone, written by a strftime format ("%Y-%m-%d").
std::string localTimeText(const char* format);

}  // namespace quillan::common
