#include "evaluate/ReportOutput.h"

#include "common/AtomicFile.h"
#include "common/GbkCodec.h"
#include "evaluate/ReportTemplates.h"

namespace quillan::evaluate {
namespace {

std::optional<std::string> writeGbk(const std::filesystem::path& path, const std::string& text) {
  const auto bytes = common::utf8ToGbk(text);
  if (!bytes) {
    return std::string("报告中有无法按GBK保存的字符");
  }
  return common::writeFileAtomically(path, *bytes);
}

}  // namespace

std::filesystem::path reportFilePath() {
  std::error_code error;
  auto folder = std::filesystem::temp_directory_path(error);
  if (error) {
    folder = "/tmp";
  }
  return folder / "1.htm";
}

std::string htmlReport(const ReportFields& fields) { return fillTemplate(htmlReportTemplate(), fields); }

std::string textReport(ReportFields fields) {
  convertLineBreaksForText(fields);
  return fillTemplate(textReportTemplate(), fields);
}

std::optional<std::string> writeHtmlReport(const std::filesystem::path& path, const ReportFields& fields) {
  return writeGbk(path, htmlReport(fields));
}

std::optional<std::string> saveReportText(const std::filesystem::path& path, ReportFields& fields) {
  convertLineBreaksForText(fields);
  return writeGbk(path, fillTemplate(textReportTemplate(), fields));
}

}  // namespace quillan::evaluate
