#pragma once

#include <string>
#include <string_view>

namespace quillan::dictionary {

// OpenCC's simplified -> traditional conversion (s2t), owned for the importer's run.
class SimplifiedToTraditional {
 public:
  SimplifiedToTraditional();
  SimplifiedToTraditional(const SimplifiedToTraditional&) = delete;
  SimplifiedToTraditional& operator=(const SimplifiedToTraditional&) = delete;
  ~SimplifiedToTraditional();

  bool ok() const { return handle_ != nullptr; }

  // The converted UTF-8 text; the input itself when the conversion fails.
  std::string convert(std::string_view utf8) const;

 private:
  void* handle_;
};

}  // namespace quillan::dictionary
