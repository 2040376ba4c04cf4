#include "content/PageShell.h"

namespace quillan::content {
namespace {

// Kept to what QTextBrowser renders well: simple selectors, colours, margins, table cells.
constexpr std::string_view kStyle =
    "body { font-family: \"Noto Sans CJK SC\", sans-serif; font-size: 15px; color: #333333;"
    " background-color: #fffdf8; margin: 12px; }\n"
    "h1 { font-size: 22px; color: #8c2f1b; margin-bottom: 12px; }\n"
    "h2 { font-size: 17px; color: #8c2f1b; margin-top: 16px; }\n"
    "p { line-height: 160%; margin-top: 6px; margin-bottom: 6px; }\n"
    "li { line-height: 160%; }\n"
    "table { border-collapse: collapse; }\n"
    "th { background-color: #f3e6d3; color: #5b3a1e; font-weight: normal; padding: 4px 8px; }\n"
    "td { padding: 4px 8px; border-bottom: 1px solid #eadfcf; }\n"
    "a { color: #b0541b; }\n"
    ".note { color: #888888; font-size: 13px; }\n";

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string pageHtml(std::string_view title, std::string_view bodyHtml) {
  const std::string safeTitle = escapeHtml(title);
  std::string page;
  page.reserve(bodyHtml.size() + 1024);
  page +=
      "<!DOCTYPE html>\n<html>\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\n<title>";
  page += safeTitle;
  page += "</title>\n<style type=\"text/css\">\n";
  page += kStyle;
  page += "</style>\n</head>\n<body>\n<h1>";
  page += safeTitle;
  page += "</h1>\n";
  page += bodyHtml;
  page += "\n</body>\n</html>\n";
  return page;
}

}  // namespace quillan::content
