#include "BzipLines.h"

#include <bzlib.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace quillan::dictionary {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Owns a bzip2 read handle; BZ2_bzReadClose must run before the FILE closes.
class BzipReader {
 public:
  explicit BzipReader(std::FILE* file) : handle_(BZ2_bzReadOpen(&status_, file, 0, 0, nullptr, 0)) {}
  BzipReader(const BzipReader&) = delete;
  BzipReader& operator=(const BzipReader&) = delete;
  ~BzipReader() {
    if (handle_ != nullptr) {
      int ignored = BZ_OK;
      BZ2_bzReadClose(&ignored, handle_);
    }
  }

  bool ok() const { return handle_ != nullptr && status_ == BZ_OK; }
  bool finished() const { return status_ == BZ_STREAM_END; }

  // Bytes read into the buffer; 0 at the end or on an error (see ok()/finished()).
  int read(char* buffer, int size) {
    const int count = BZ2_bzRead(&status_, handle_, buffer, size);
    return (status_ == BZ_OK || status_ == BZ_STREAM_END) ? count : 0;
  }

 private:
  int status_ = BZ_OK;
  BZFILE* handle_;
};

}  // namespace

bool forEachBzipLine(const std::string& path, const std::function<void(std::string_view)>& onLine, std::string& error) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  BzipReader reader(file.get());
  if (!reader.ok()) {
    error = "not a bzip2 file: " + path;
    return false;
  }
  std::vector<char> buffer(1 << 16);
  std::string pending;
  while (true) {
    const int count = reader.read(buffer.data(), static_cast<int>(buffer.size()));
    pending.append(buffer.data(), static_cast<std::size_t>(count));
    std::size_t start = 0;
    for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n', start)) {
      std::string_view line(pending.data() + start, end - start);
      if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
      }
      onLine(line);
      start = end + 1;
    }
    pending.erase(0, start);
    if (reader.finished()) {
      break;
    }
    if (!reader.ok()) {
      error = "damaged bzip2 data in " + path;
      return false;
    }
  }
  if (!pending.empty()) {
    onLine(pending);
  }
  return true;
}

}  // namespace quillan::dictionary
