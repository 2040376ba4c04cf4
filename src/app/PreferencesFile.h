#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "quality/UserAvoidance.h"

namespace quillan::app {

// What the user sets once and keeps: for now the family's avoid list. One small text file,
//   avoid_characters=国华
//   avoid_sounds=guo,hua
// written atomically; lines the program does not know are kept as they are.
struct Preferences {
  quality::UserAvoidance avoidance;
};

struct PreferencesLoad {
  Preferences preferences;
  // For the user when the file could not be read: what happened and where the old file went. The
  // preferences are then empty, and the old file is never overwritten.
  std::string problem;
};

class PreferencesFile {
 public:
  explicit PreferencesFile(std::filesystem::path path);

  // The user's file: preferences.txt in the user's configuration folder.
  static std::filesystem::path defaultPath();

  PreferencesLoad load();
  // The reason when the file could not be written.
  std::optional<std::string> save(const Preferences& preferences);

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::vector<std::string> otherLines_;  // read and written back unchanged
};

}  // namespace quillan::app
