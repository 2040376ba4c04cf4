#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillan::common {

// Where the user's own files live (XDG base directories): $XDG_DATA_HOME/quillan, else
// ~/.local/share/quillan, for data the user made (shortlist, measurements); $XDG_CONFIG_HOME/quillan,
// else ~/.config/quillan, for preferences. A relative XDG value is ignored, as the standard says.
// Neither call creates the folder.
std::filesystem::path userDataFolder();
std::filesystem::path userConfigFolder();

// Creates the folder (and its parents) if needed; the reason on failure.
std::optional<std::string> ensureFolder(const std::filesystem::path& folder);

struct KeptAside {
  std::filesystem::path movedTo;  // empty when the move failed
  std::string failure;            // why it failed, empty on success
};

// Moves a file the program cannot read out of the way, to "<name>.unreadable-YYYYMMDD-HHMMSS" in the
// same folder (with a counter if that exists), so it is never overwritten and the user can recover it.
KeptAside keepAside(const std::filesystem::path& file);

}  // namespace quillan::common
