#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::common {

// The bytes of a file named by a path relative to a directory, only when the file really lies
// inside it (links are resolved before the check, so none can reach outside), is a regular file
// and is no larger than maxBytes. nullopt otherwise, whatever the reason.
std::optional<std::string> readContainedFile(const std::filesystem::path& directory, std::string_view relativePath,
                                             std::uintmax_t maxBytes);

}  // namespace quillan::common
