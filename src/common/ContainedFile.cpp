#include "common/ContainedFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quillan::common {

bool isPlainRelativePath(std::string_view path) {
  if (path.empty() || path.front() == '/' || path.find('\\') != std::string_view::npos ||
      path.find('\0') != std::string_view::npos || path.find(':') != std::string_view::npos) {
    return false;
  }
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto end = std::min(path.find('/', start), path.size());
    const auto segment = path.substr(start, end - start);
    if (segment.empty() || segment == "." || segment == "..") {
      return false;
    }
    start = end + 1;
  }
  return true;
}

bool isWithinDirectory(const std::filesystem::path& path, const std::filesystem::path& root) {
  const auto [rootEnd, pathEnd] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
  return rootEnd == root.end();
}

std::optional<std::string> readContainedFile(const std::filesystem::path& directory, std::string_view relativePath,
                                             std::uintmax_t maxBytes) {
  if (directory.empty() || !isPlainRelativePath(relativePath)) {
    return std::nullopt;
  }
  std::error_code error;
  const auto root = std::filesystem::canonical(directory, error);
  if (error) {
    return std::nullopt;
  }
  const auto file = std::filesystem::canonical(root / std::filesystem::path(relativePath), error);
  if (error || !isWithinDirectory(file, root) || !std::filesystem::is_regular_file(file, error)) {
    return std::nullopt;
  }
  const auto size = std::filesystem::file_size(file, error);
  if (error || size > maxBytes) {
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace quillan::common
