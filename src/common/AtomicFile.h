#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::common {

// Writes the bytes to a temporary file beside the target and renames it into place, so a failed
// write never leaves half a file and readers see the old file or the new one. Returns the reason
// on failure (for the user's message), nullopt on success.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace quillan::common
