#include "common/UserFolders.h"

#include <cstdlib>
#include <system_error>

#include "common/LocalTime.h"

namespace quillan::common {
namespace {

std::filesystem::path xdgFolder(const char* variable, const char* fallbackUnderHome) {
  if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
    std::filesystem::path path(value);
    if (path.is_absolute()) {
      return path / "quillan";
    }
  }
  const char* home = std::getenv("HOME");
  const std::filesystem::path base = (home != nullptr && *home != '\0') ? std::filesystem::path(home) : "/tmp";
  return base / fallbackUnderHome / "quillan";
}

std::string timestamp() { return localTimeText("%Y%m%d-%H%M%S"); }

}  // namespace

std::filesystem::path userDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

std::optional<std::string> ensureFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    return error.message();
  }
  return std::nullopt;
}

KeptAside keepAside(const std::filesystem::path& file) {
  const std::string stem = file.filename().string() + ".unreadable-" + timestamp();
  std::filesystem::path target = file.parent_path() / stem;
  std::error_code error;
  for (int counter = 2; std::filesystem::exists(target, error) && counter < 1000; ++counter) {
    target = file.parent_path() / (stem + "-" + std::to_string(counter));
  }
  std::filesystem::rename(file, target, error);
  if (error) {
    return {{}, error.message()};
  }
  return {target, {}};
}

}  // namespace quillan::common
