#include "common/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quillan::common {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) {
    return false;
  }
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// A new file beside the target that no one else is writing ("x": fails if it exists).
std::pair<File, std::filesystem::path> createTemporary(const std::filesystem::path& target) {
  std::random_device entropy;
  for (int attempt = 0; attempt < 16; ++attempt) {
    auto name = target;
    name += ".part" + std::to_string(entropy() % 1000000U);
#if defined(_WIN32)
    File file{_wfopen(name.c_str(), L"wbx")};
#else
    File file{std::fopen(name.c_str(), "wbx")};
#endif
    if (file) {
      return {std::move(file), name};
    }
  }
  return {};
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  auto [file, temporary] = createTemporary(target);
  if (!file) {
    return std::string(std::strerror(errno));
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                       flushToDisk(file.get()) && std::fclose(file.release()) == 0;
  const int writeError = errno;
  std::error_code error;
  if (written) {
    std::filesystem::rename(temporary, target, error);
    if (!error) {
      return std::nullopt;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return error ? error.message() : std::string(std::strerror(writeError != 0 ? writeError : EIO));
}

}  // namespace quillan::common
