#include "SimplifiedToTraditional.h"

#include <opencc.h>

#include <memory>

namespace quillan::dictionary {
namespace {

struct ConvertedFree {
  void operator()(char* text) const { opencc_convert_utf8_free(text); }
};

opencc_t asHandle(void* handle) { return handle; }

}  // namespace

SimplifiedToTraditional::SimplifiedToTraditional() : handle_(opencc_open(OPENCC_DEFAULT_CONFIG_SIMP_TO_TRAD)) {
  if (handle_ == reinterpret_cast<void*>(-1)) {
    handle_ = nullptr;
  }
}

SimplifiedToTraditional::~SimplifiedToTraditional() {
  if (handle_ != nullptr) {
    opencc_close(asHandle(handle_));
  }
}

std::string SimplifiedToTraditional::convert(std::string_view utf8) const {
  if (handle_ == nullptr) {
    return std::string(utf8);
  }
  std::unique_ptr<char, ConvertedFree> converted(opencc_convert_utf8(asHandle(handle_), utf8.data(), utf8.size()));
  return converted ? std::string(converted.get()) : std::string(utf8);
}

}  // namespace quillan::dictionary
