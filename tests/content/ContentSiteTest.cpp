#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "common/GbkCodec.h"
#include "content/ContentSite.h"

namespace quillan::content {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

class ContentSiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() / ("quillan-site-" + std::to_string(std::random_device{}()));
    root_ = base_ / "content";
    write("yezs/yezsttd/titles.txt", "第1天\n第2天\n");
    write("yezs/yezsttd/1.txt", "第1天\n\n第一段。\n");
    write("yezs/yezsttd/2.txt", "没有空行的标题\n正文\n");
    write("mszs/mszs/szj.txt", "三字经\n\n人之初。\n");
    write("shengxiao/1.txt", "属鼠2013运程\n\n鼠排在第一位。\n");
    write("erge/1.txt", "含有不能编码的字\n\n\xF0\x9F\x98\x80\n");  // an emoji GBK lacks
    std::ofstream(base_ / "secret.txt") << "秘密\n\n外面的文件。\n";
    fs::create_symlink(base_ / "secret.txt", root_ / "yezs" / "link.txt");
    fs::create_symlink(base_ / "gone.txt", root_ / "a-broken-link.txt");
  }
  void TearDown() override { fs::remove_all(base_); }

  void write(const std::string& relative, const std::string& text) {
    fs::create_directories((root_ / relative).parent_path());
    std::ofstream(root_ / relative, std::ios::binary) << text;
  }

  ContentSite site(calendar::Date today = {2026, 5, 17}) {
    return ContentSite(root_, nullptr, [today] { return today; });
  }

  fs::path base_;
  fs::path root_;
};

TEST_F(ContentSiteTest, RendersSourcesAsPages) {
  const auto page = site().pageHtml("yezs/yezsttd/1.htm");
  ASSERT_TRUE(page);
  EXPECT_TRUE(contains(*page, "<h1>第1天</h1>"));
  EXPECT_TRUE(contains(*page, "<p>第一段。</p>"));
  EXPECT_TRUE(contains(*site().pageHtml("mszs/mszs/szj.htm"), "<h1>三字经</h1>"));
  const auto zodiac = site().pageHtml("shengxiao/1.htm");
  ASSERT_TRUE(zodiac);
  EXPECT_TRUE(contains(*zodiac, "<h1>属鼠2013运程</h1>"));
  EXPECT_TRUE(contains(*zodiac, "<td>庚子</td>"));
}

TEST_F(ContentSiteTest, AnswersNothingForMissingMalformedOrEscapingPaths) {
  const auto s = site();
  for (const auto* path : {"yezs/yezsttd/3.htm", "yezs/yezsttd/2.htm", "yezs/yezsttd/titles.htm", "yezs/yezsttd/1.txt",
                           "../content/yezs/yezsttd/1.htm", "yezs/../yezs/yezsttd/1.htm", "/yezs/yezsttd/1.htm",
                           "yezs//yezsttd/1.htm", "yezs/yezsttd/1.htm/", "yezs\\yezsttd\\1.htm", "yezs/link.htm",
                           "../secret.htm", "", ".htm", "shengxiao/13.htm"}) {
    EXPECT_FALSE(s.pageHtml(path)) << path;
  }
}

TEST_F(ContentSiteTest, ServesGbkWithItsCharsetAndRefusesTextsGbkLacks) {
  const auto page = site().servePage("yezs/yezsttd/1.htm");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->contentType, "text/html; charset=gbk");
  const auto utf8 = common::gbkToUtf8(page->body);
  ASSERT_TRUE(utf8);
  EXPECT_TRUE(contains(*utf8, "charset=gbk"));
  EXPECT_TRUE(contains(*utf8, "<h1>第1天</h1>"));
  EXPECT_TRUE(site().pageHtml("erge/1.htm"));
  EXPECT_FALSE(site().servePage("erge/1.htm"));
}

TEST_F(ContentSiteTest, GeneratedPagesTakeTheYearFromTheClockOrTheQuery) {
  const auto s = site({2031, 7, 9});
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/essjqb.htm"), "<b>2031年</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/essjqb.htm", "year=2027"), "<b>2027年</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/zwzyjrjb.htm"), "<b>2031年</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/wannianli.htm"), "<b>2031年7月</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/wannianli.htm", "year=2026&month=2"), "<b>2026年2月</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/wannianli.htm", "year=2026"), "<b>2026年1月</b>"));
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/wannianli.htm", "month=3"), "<b>2031年3月</b>"));
  for (const auto* query : {"year=1900", "year=2101", "year=abc", "year=", "year=+2027", "year=20270", "month=13"}) {
    EXPECT_FALSE(s.pageHtml("mszs/mszs/wannianli.htm", query)) << query;
  }
  EXPECT_FALSE(s.pageHtml("mszs/mszs/essjqb.htm", "year=1900"));
  // The dated addresses the links use name the same pages.
  EXPECT_EQ(s.pageHtml("mszs/mszs/essjqb-2027.htm"), s.pageHtml("mszs/mszs/essjqb.htm", "year=2027"));
  EXPECT_EQ(s.pageHtml("mszs/mszs/zwzyjrjb-1901.htm"), s.pageHtml("mszs/mszs/zwzyjrjb.htm", "year=1901"));
  EXPECT_EQ(s.pageHtml("mszs/mszs/wannianli-2026-2.htm"), s.pageHtml("mszs/mszs/wannianli.htm", "year=2026&month=2"));
  for (const auto* path :
       {"mszs/mszs/essjqb-1900.htm", "mszs/mszs/essjqb-02027.htm", "mszs/mszs/essjqb-.htm",
        "mszs/mszs/essjqb-2027-1.htm", "mszs/mszs/wannianli-2026.htm", "mszs/mszs/wannianli-2026-13.htm",
        "mszs/mszs/wannianli-2026-05.htm", "mszs/mszs/bjx-2026.htm"}) {
    EXPECT_FALSE(s.pageHtml(path)) << path;
  }
  EXPECT_TRUE(contains(*s.pageHtml("mszs/mszs/bjx.htm"), "字库未收"));  // no dictionary given
  EXPECT_TRUE(s.pageHtml("mszs/mszs/cydyzb.htm"));
}

TEST_F(ContentSiteTest, ListsItsPagesAndSources) {
  auto pages = site().pagePaths();
  const auto dated = std::erase_if(pages, [](const std::string& page) { return page.find('-') != std::string::npos; });
  EXPECT_EQ(dated, 200U * 14U);  // essjqb, zwzyjrjb and twelve months for each year 1901-2100
  const std::vector<std::string> expected = {
      "erge/1.htm",         "mszs/mszs/bjx.htm",       "mszs/mszs/cydyzb.htm",   "mszs/mszs/essjqb.htm",
      "mszs/mszs/szj.htm",  "mszs/mszs/wannianli.htm", "mszs/mszs/zwzyjrjb.htm", "shengxiao/1.htm",
      "yezs/yezsttd/1.htm", "yezs/yezsttd/2.htm"};  // not the link that leads outside
  EXPECT_EQ(pages, expected);
  const auto sources = site().sourcePaths();
  EXPECT_NE(std::find(sources.begin(), sources.end(), "yezs/yezsttd/titles.txt"), sources.end());
}

}  // namespace
}  // namespace quillan::content
