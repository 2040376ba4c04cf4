#include "common/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/RandomGenerator.h"

namespace quillan::common {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  RandomGenerator random(RandomGenerator::tickSeed());
  auto temporary = target;
  temporary += ".tmp" + std::to_string(random.draw());
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temporary.c_str(), "wb"));
  if (!file) {
    return std::string(std::strerror(errno));
  }
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && std::fflush(file.get()) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file.release()) == 0;
  std::error_code error;
  if (written && closed) {
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
