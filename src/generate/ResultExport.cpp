#include "generate/ResultExport.h"

#include "common/AtomicFile.h"
#include "common/GbkCodec.h"

namespace quillan::generate {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCellEnd = "★";
constexpr int kRuleLength = 37;

std::string rule() {
  std::string text;
  for (int i = 0; i < kRuleLength; ++i) {
    text += "═";
  }
  return text;
}

ExportResult failure(const std::filesystem::path& target) {
  return {false, "导出失败，无法写入文件：" + target.string()};
}

}  // namespace

std::string exportHeader() {
  std::string text = rule();
  text += kLineEnd;
  for (auto title : kResultColumnTitles) {
    text += title;
    text += kCellEnd;
  }
  text += kLineEnd;
  text += rule();
  text += kLineEnd;
  return text;
}

std::string exportText(std::span<const ResultRow> rows) {
  std::string text = exportHeader();
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
  if (common::writeFileAtomically(target, *bytes)) {
    return failure(target);
  }
  return {true, {}};
}

}  // namespace quillan::generate
