#include "service/BundledData.h"

#include <system_error>

namespace quillan::service {

std::filesystem::path bundledDataDirectory() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return {};
  }
  return program.parent_path().parent_path() / "share" / "quillan";
}

std::filesystem::path bundledDatabasePath() { return bundledDataDirectory() / "quillan.sqlite"; }

std::filesystem::path bundledContentDirectory() { return bundledDataDirectory() / "content"; }

}  // namespace quillan::service
