#include "content/PageDecoding.h"

#include <algorithm>
#include <cctype>

#include "common/GbkCodec.h"

namespace quillan::content {
namespace {

constexpr std::size_t kMetaWindow = 2048;

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The value after "charset=" in a lowered text, up to a quote, blank, ";" or ">".
std::string charsetAfter(std::string_view text, std::size_t from) {
  const auto at = text.find("charset=", from);
  if (at == std::string_view::npos) {
    return {};
  }
  auto start = at + 8;
  while (start < text.size() && (text[start] == '"' || text[start] == '\'')) {
    ++start;
  }
  auto end = start;
  while (end < text.size() && std::string_view("\"'; >\r\n\t/").find(text[end]) == std::string_view::npos) {
    ++end;
  }
  return std::string(text.substr(start, end - start));
}

}  // namespace

std::string declaredCharset(std::string_view body, std::string_view headers) {
  const auto lowerHeaders = lowered(headers);
  for (std::size_t at = lowerHeaders.find("content-type:"); at != std::string::npos;
       at = lowerHeaders.find("content-type:", at + 1)) {
    const auto lineEnd = lowerHeaders.find('\n', at);
    const auto line =
        std::string_view(lowerHeaders).substr(at, lineEnd == std::string::npos ? std::string::npos : lineEnd - at);
    if (auto charset = charsetAfter(line, 0); !charset.empty()) {
      return charset;
    }
  }
  const auto head = lowered(body.substr(0, std::min(body.size(), kMetaWindow)));
  for (std::size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 1)) {
    const auto end = head.find('>', at);
    const auto meta = std::string_view(head).substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (auto charset = charsetAfter(meta, 0); !charset.empty()) {
      return charset;
    }
  }
  return {};
}

std::optional<std::string> decodePage(std::string_view body, std::string_view headers) {
  const auto charset = declaredCharset(body, headers);
  if (charset.empty() || charset == "gbk" || charset == "gb2312" || charset == "cp936" || charset == "x-gbk" ||
      charset == "gb18030") {
    return common::gbkToUtf8(body);
  }
  if (charset == "utf-8" || charset == "utf8") {
    return common::decodeUtf8(body) ? std::optional<std::string>(body) : std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quillan::content
