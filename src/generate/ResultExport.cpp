#include "generate/ResultExport.h"

#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/GbkCodec.h"

namespace quillan::generate {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCellEnd = "★";
constexpr int kRuleLength = 37;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string rule() {
  std::string text;
  for (int i = 0; i < kRuleLength; ++i) {
    text += "═";
  }
  return text;
}

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
    name += ".part" + std::to_string(entropy() % 1000000u);
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

ExportResult failure(const std::filesystem::path& target) {
  return {false, "导出失败，无法写入文件：" + target.string()};
}

}  // namespace

std::string exportText(std::span<const ResultRow> rows) {
  std::string text = rule();
  text += kLineEnd;
  for (auto title : kResultColumnTitles) {
    text += title;
    text += kCellEnd;
  }
  text += kLineEnd;
  text += rule();
  text += kLineEnd;
  for (const auto& row : rows) {
    for (const auto& cell : row.cells) {
      text += cell;
      text += kCellEnd;
    }
    text += kLineEnd;
  }
  return text;
}

ExportResult exportResultList(const std::filesystem::path& target, std::span<const ResultRow> rows) {
  const auto bytes = common::utf8ToGbk(exportText(rows));
  if (!bytes) {
    return {false, "导出失败，名字中有无法按GBK保存的字符"};
  }
  auto [file, temporary] = createTemporary(target);
  if (!file) {
    return failure(target);
  }
  const bool written = std::fwrite(bytes->data(), 1, bytes->size(), file.get()) == bytes->size() &&
                       flushToDisk(file.get()) && std::fclose(file.release()) == 0;
  std::error_code error;
  if (written) {
    std::filesystem::rename(temporary, target, error);
  }
  if (!written || error) {
    std::filesystem::remove(temporary, error);
    return failure(target);
  }
  return {true, {}};
}

}  // namespace quillan::generate
