#include <gtest/gtest.h>

#include "content/ArticlePage.h"

namespace quillan::content {
namespace {

TEST(ArticlePage, ParsesTitleParagraphsListsAndLines) {
  const auto article = parseArticle("标题\n\n第一段。\n\n- 甲\n- 乙\n\n一行\n二行\n");
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "标题");
  ASSERT_EQ(article->paragraphs.size(), 3U);
  const auto html = articlePageHtml(*article);
  EXPECT_NE(html.find("charset=gbk"), std::string::npos);
  EXPECT_NE(html.find("<h1>标题</h1>"), std::string::npos);
  EXPECT_NE(html.find("<p>第一段。</p>"), std::string::npos);
  EXPECT_NE(html.find("<ul>\n<li>甲</li>\n<li>乙</li>\n</ul>"), std::string::npos);
  EXPECT_NE(html.find("<p>一行<br>二行</p>"), std::string::npos);
}

TEST(ArticlePage, RefusesSourcesWithoutTitleLineAndEscapesText) {
  EXPECT_FALSE(parseArticle(""));
  EXPECT_FALSE(parseArticle("\n\n正文"));
  EXPECT_FALSE(parseArticle("标题\n正文"));
  const auto article = parseArticle("A<b>\n\n1 < 2 & \"x\"");
  ASSERT_TRUE(article);
  const auto html = articlePageHtml(*article);
  EXPECT_NE(html.find("<h1>A&lt;b&gt;</h1>"), std::string::npos);
  EXPECT_NE(html.find("1 &lt; 2 &amp; &quot;x&quot;"), std::string::npos);
}

}  // namespace
}  // namespace quillan::content
