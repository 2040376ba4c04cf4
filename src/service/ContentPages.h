#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "content/ServedPage.h"

namespace quillan::service {

// Makes a page on request (for pages computed rather than stored); nullopt answers 404.
using PageGenerator = std::function<std::optional<content::ServedPage>(std::string_view relativePath)>;

// The pages under <base>tovka/: generated pages registered by path, then files of the content
// directory. A path can never leave that directory (no "..", no absolute path, no link out).
// Register generators before the server starts; lookups may then run on many threads.
class ContentPages {
 public:
  explicit ContentPages(std::filesystem::path directory = {});

  // `relativePath` as it follows "tovka/", such as "mszs/mszs/bjx.htm".
  void addGenerator(std::string relativePath, PageGenerator generator);

  std::optional<content::ServedPage> find(std::string_view relativePath) const;

  const std::filesystem::path& directory() const { return directory_; }

 private:
  std::optional<content::ServedPage> readFile(std::string_view relativePath) const;

  std::filesystem::path directory_;
  std::map<std::string, PageGenerator, std::less<>> generators_;
};

// The content type served for a file name, by its extension.
std::string contentTypeFor(std::string_view fileName);

}  // namespace quillan::service
