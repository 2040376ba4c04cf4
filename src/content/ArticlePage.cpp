#include "content/ArticlePage.h"

#include "common/TextSplit.h"
#include "content/PageShell.h"

namespace quillan::content {
namespace {

std::vector<std::string> sourceLines(std::string_view source) {
  auto lines = common::splitText(source, "\n");
  for (auto& line : lines) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
  }
  return lines;
}

bool isListItem(std::string_view line) { return line.starts_with("- "); }

}  // namespace

std::optional<Article> parseArticle(std::string_view source) {
  const auto lines = sourceLines(source);
  if (lines.size() < 2 || lines[0].empty() || !lines[1].empty()) {
    return std::nullopt;
  }
  Article article{lines[0], {}};
  std::string paragraph;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (lines[i].empty()) {
      if (!paragraph.empty()) {
        article.paragraphs.push_back(std::move(paragraph));
        paragraph.clear();
      }
      continue;
    }
    if (!paragraph.empty()) {
      paragraph += '\n';
    }
    paragraph += lines[i];
  }
  if (!paragraph.empty()) {
    article.paragraphs.push_back(std::move(paragraph));
  }
  return article;
}

std::string articleBodyHtml(const Article& article) {
  std::string html;
  for (const auto& paragraph : article.paragraphs) {
    const auto lines = common::splitText(paragraph, "\n");
    if (isListItem(lines.front())) {
      html += "<ul>\n";
      for (const auto& line : lines) {
        html += "<li>" + escapeHtml(isListItem(line) ? std::string_view(line).substr(2) : line) + "</li>\n";
      }
      html += "</ul>\n";
      continue;
    }
    html += "<p>";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) {
        html += "<br>";
      }
      html += escapeHtml(lines[i]);
    }
    html += "</p>\n";
  }
  return html;
}

std::string articlePageHtml(const Article& article) { return pageHtml(article.title, articleBodyHtml(article)); }

}  // namespace quillan::content
