#include "evaluate/ReportFields.h"

namespace quillan::evaluate {
namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::size_t at = 0;
  while ((at = text.find(from, at)) != std::string::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

std::string fillTemplate(std::string_view templateText, const ReportFields& fields) {
  std::string text(templateText);
  for (int n = kReportFieldCount; n >= 1; --n) {
    replaceAll(text, "替换" + std::to_string(n), fields[n]);
  }
  return text;
}

void convertLineBreaksForText(ReportFields& fields) {
  for (int n : {36, 37, 38, 39, 40, 51, 52, 53, 54}) {
    replaceAll(fields[n], "<BR>", "\r\n");
  }
  replaceAll(fields[43], "<br />    ", "\r\n");
}

}  // namespace quillan::evaluate
