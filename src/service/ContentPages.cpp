#include "service/ContentPages.h"

#include "common/ContainedFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace quillan::service {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 16U * 1024U * 1024U;

}  // namespace

ContentPages::ContentPages(std::filesystem::path directory) : directory_(std::move(directory)) {}

void ContentPages::addGenerator(std::string relativePath, PageGenerator generator) {
  generators_.insert_or_assign(std::move(relativePath), std::move(generator));
}

std::optional<content::ServedPage> ContentPages::find(std::string_view relativePath) const {
  if (!common::isPlainRelativePath(relativePath)) {
    return std::nullopt;
  }
  if (const auto it = generators_.find(relativePath); it != generators_.end()) {
    return it->second(relativePath);
  }
  return readFile(relativePath);
}

std::optional<content::ServedPage> ContentPages::readFile(std::string_view relativePath) const {
  auto body = common::readContainedFile(directory_, relativePath, kMaxFileBytes);
  if (!body) {
    return std::nullopt;
  }
  content::ServedPage page;
  page.body = std::move(*body);
  page.contentType = contentTypeFor(std::filesystem::path(relativePath).filename().string());
  return page;
}

std::string contentTypeFor(std::string_view fileName) {
  const auto dot = fileName.rfind('.');
  std::string extension(dot == std::string_view::npos ? std::string_view{} : fileName.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static const std::map<std::string, std::string, std::less<>> kTypes{
      {"htm", "text/html"},  {"html", "text/html"},    {"css", "text/css"},          {"js", "text/javascript"},
      {"txt", "text/plain"}, {"png", "image/png"},     {"jpg", "image/jpeg"},        {"jpeg", "image/jpeg"},
      {"gif", "image/gif"},  {"svg", "image/svg+xml"}, {"json", "application/json"},
  };
  const auto it = kTypes.find(extension);
  return it != kTypes.end() ? it->second : "application/octet-stream";
}

}  // namespace quillan::service
