#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::content {

// An article as its source file holds it: the title on the first line, an empty line, then
// paragraphs separated by empty lines. Lines starting with "- " are list items; other single line
// breaks inside a paragraph are kept (rhymes).
struct Article {
  std::string title;
  std::vector<std::string> paragraphs;  // each with its inner line breaks
};

// nullopt when the source has no title line or no empty line after it.
std::optional<Article> parseArticle(std::string_view source);

// The body of an article as HTML (no page shell).
std::string articleBodyHtml(const Article& article);

// The whole page of an article.
std::string articlePageHtml(const Article& article);

}  // namespace quillan::content
