#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::common {

// A path made of plain relative segments only: not empty, no empty, "." or ".." segment, no
// backslash, NUL or ":" (no drive), not starting with "/". Such a path can only name something
// below the directory it is taken from, before links.
bool isPlainRelativePath(std::string_view path);

// True when `path` lies inside `root` (both already made canonical).
bool isWithinDirectory(const std::filesystem::path& path, const std::filesystem::path& root);

// The bytes of a file named by a path relative to a directory, only when the path is plain, the
// file really lies inside the directory (links are resolved before the check, so none can reach
// outside), is a regular file and is no larger than maxBytes. nullopt otherwise, whatever the reason.
std::optional<std::string> readContainedFile(const std::filesystem::path& directory, std::string_view relativePath,
                                             std::uintmax_t maxBytes);

}  // namespace quillan::common
