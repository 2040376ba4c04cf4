#include "common/Version.h"

namespace quillan::common {

std::string_view programVersion() { return QUILLAN_VERSION; }

}  // namespace quillan::common
