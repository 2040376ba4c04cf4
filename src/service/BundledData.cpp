#include "service/BundledData.h"

#include <system_error>

namespace quillan::service {
namespace {

// <prefix>/share/quillan for a program installed in <prefix>/bin.
std::filesystem::path installedDataDirectory() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return {};
  }
  return program.parent_path().parent_path() / "share" / "quillan";
}

std::filesystem::path firstExisting(const std::filesystem::path& installed, const std::filesystem::path& built) {
  std::error_code error;
  if (!installed.empty() && std::filesystem::exists(installed, error)) {
    return installed;
  }
  return built;
}

}  // namespace

std::filesystem::path bundledDatabasePath() {
  return firstExisting(installedDataDirectory() / "quillan.sqlite", QUILLAN_BUILT_DATABASE);
}

std::filesystem::path bundledContentDirectory() {
  return firstExisting(installedDataDirectory() / "content", QUILLAN_SOURCE_CONTENT_DIR);
}

}  // namespace quillan::service
