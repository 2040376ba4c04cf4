#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>

#include "common/GbkCodec.h"
#include "content/Collections.h"
#include "content/MenuPages.h"
#include "content/PageAddress.h"
#include "content/PageDecoding.h"
#include "content/TitleRows.h"
#include "dataservice/HttpExchange.h"
#include "service/SitePages.h"

namespace quillan::content {
namespace {

namespace fs = std::filesystem;

const calendar::Date kToday{2026, 5, 17};

struct Fetched {
  bool ok = false;
  std::string contentType;  // lower case
  std::string html;         // UTF-8, empty when it does not decode
};

Fetched fetch(const std::string& address) {
  dataservice::HttpExchangeRequest request;
  request.address = address;
  const auto result = dataservice::httpExchange(request);
  Fetched fetched;
  fetched.ok = result.completed;
  std::string headers = result.headers;
  std::transform(headers.begin(), headers.end(), headers.begin(), [](unsigned char c) { return std::tolower(c); });
  if (const auto at = headers.find("content-type:"); at != std::string::npos) {
    fetched.contentType = headers.substr(at + 13, headers.find('\r', at) - at - 13);
    fetched.contentType.erase(0, fetched.contentType.find_first_not_of(' '));
  }
  fetched.html = decodePage(result.body, result.headers).value_or("");
  return fetched;
}

std::string unescaped(std::string text) {
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::string_view(entity).size(), character);
    }
  }
  return text;
}

std::string heading(const std::string& html) {
  static const std::regex h1("<h1>([^<]*)</h1>");
  std::smatch match;
  return std::regex_search(html, match, h1) ? unescaped(match[1]) : std::string{};
}

// The text a reader reads under the heading, without blanks: up to the first sub-heading or table,
// so that a zodiac page counts its description and not its table of years.
std::string bodyText(const std::string& html) {
  auto start = html.find("</h1>");
  if (start == std::string::npos) {
    return {};
  }
  start += 5;
  const auto end = std::min({html.find("<h2>", start), html.find("<table", start), html.find("</body>", start)});
  std::string text;
  bool inTag = false;
  for (const char c : html.substr(start, end - start)) {
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag && c != ' ' && c != '\n' && c != '\r' && c != '\t') {
      text += c;
    }
  }
  return unescaped(text);
}

std::size_t characterCount(const std::string& text) { return common::decodeUtf8(text).value_or(U"").size(); }

// The embedded service with our content directory and database, as the program starts it.
class ContentServiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    service_ = std::make_unique<service::EmbeddedDataService>(service::withContentPages({}, [] { return kToday; }));
  }
  static void TearDownTestSuite() { service_.reset(); }

  static std::string address(std::string_view section, std::string_view file) {
    return pageAddress(service_->baseAddress(), section, file);
  }

  static std::unique_ptr<service::EmbeddedDataService> service_;
};

std::unique_ptr<service::EmbeddedDataService> ContentServiceTest::service_;

TEST_F(ContentServiceTest, EveryFolkPageAnswersInGbkWithItsCharset) {
  for (const auto& page : folkPages()) {
    const auto fetched = fetch(address(page.section, page.file));
    ASSERT_TRUE(fetched.ok) << page.file;
    EXPECT_EQ(fetched.contentType, "text/html; charset=gbk") << page.file;
    ASSERT_FALSE(fetched.html.empty()) << page.file;
    EXPECT_NE(fetched.html.find("charset=gbk"), std::string::npos) << page.file;
    EXPECT_EQ(heading(fetched.html), page.menuEntry) << page.file;
    EXPECT_GT(characterCount(bodyText(fetched.html)), 20U) << page.file;
  }
  // The surnames come from the service's own dictionary.
  EXPECT_NE(fetch(address("mszs/mszs/", "bjx.htm")).html.find("<td>張</td><td>11</td>"), std::string::npos);
  EXPECT_NE(fetch(address("mszs/mszs/", "essjqb.htm")).html.find("<b>2026年</b>"), std::string::npos);
}

TEST_F(ContentServiceTest, CalendarLinksLeadToTheirYearAndMonth) {
  const auto terms = fetch(address("mszs/mszs/", "essjqb.htm"));
  ASSERT_NE(terms.html.find("href=\"essjqb-2027.htm\""), std::string::npos);
  const auto next = fetch(address("mszs/mszs/", "essjqb-2027.htm"));
  ASSERT_TRUE(next.ok);
  EXPECT_NE(next.html.find("<b>2027年</b>"), std::string::npos);
  const auto month = fetch(address("mszs/mszs/", "wannianli-2100-12.htm"));
  ASSERT_TRUE(month.ok);
  EXPECT_NE(month.html.find("<b>2100年12月</b>"), std::string::npos);
  EXPECT_TRUE(fetch(address("mszs/mszs/", "zwzyjrjb-1901.htm")).ok);
  EXPECT_FALSE(fetch(address("mszs/mszs/", "wannianli-2101-1.htm")).ok);
}

TEST_F(ContentServiceTest, SourcesAreNotServedRaw) {
  EXPECT_TRUE(fetch(address("yezs/yezsttd/", "1.htm")).ok);
  EXPECT_FALSE(fetch(address("yezs/yezsttd/", "1.txt")).ok);
  EXPECT_FALSE(fetch(address("yezs/yezsttd/", "titles.txt")).ok);
  EXPECT_FALSE(fetch(address("yezs/yezsttd/", "titles.htm")).ok);
}

// A content directory of our own with a file beside it that no address may reach.
TEST(ContentServiceEscape, PathsCannotLeaveTheContentDirectory) {
  const auto root = fs::temp_directory_path() / ("quillan-escape-" + std::to_string(std::random_device{}()));
  fs::create_directories(root / "content" / "mszs" / "mszs");
  std::ofstream(root / "content" / "mszs" / "mszs" / "szj.txt") << "三字经\n\n人之初。\n";
  std::ofstream(root / "secret.txt") << "秘密\n\n不该被读到。\n";
  std::ofstream(root / "secret.htm") << "<p>secret</p>";
  fs::create_symlink(root / "secret.txt", root / "content" / "link.txt");
  {
    service::EmbeddedOptions options;
    options.contentDirectory = root / "content";
    service::EmbeddedDataService service(service::withContentPages(options, [] { return kToday; }));
    const auto base = service.baseAddress() + "tovka/";
    EXPECT_TRUE(fetch(base + "mszs/mszs/szj.htm").ok);
    for (const auto* path :
         {"../secret.htm", "../secret.txt", "%2e%2e/secret.htm", "..%2fsecret.htm", "mszs/../../secret.htm",
          "mszs/mszs/..%2f..%2f..%2fsecret.htm", "link.htm", "link.txt", "%2fetc%2fpasswd", "..\\secret.htm"}) {
      const auto fetched = fetch(base + path);
      EXPECT_FALSE(fetched.ok) << path;
      EXPECT_EQ(fetched.html.find("secret"), std::string::npos) << path;
      EXPECT_EQ(fetched.html.find("秘密"), std::string::npos) << path;
    }
  }
  fs::remove_all(root);
}

// The reading material: every title of every collection and every entry of the three reading
// menus, through the service as the windows fetch them.
struct Expected {
  std::string section;
  std::string file;
  std::string title;
  std::size_t minCharacters;
  std::size_t maxCharacters;
};

std::vector<Expected> collectionPages() {
  std::vector<Expected> pages;
  for (const auto& collection : articleCollections()) {
    for (const auto& row : titleRows(collection.titleList)) {
      pages.push_back({std::string(collection.section), row.pageFile, row.title, 150, 400});
    }
  }
  return pages;
}

// A menu's pages.
std::vector<Expected> menuPages(std::span<const MenuPage> menu, std::size_t minCharacters, std::size_t maxCharacters) {
  std::vector<Expected> pages;
  for (const auto& entry : menu) {
    pages.push_back({std::string(entry.section), std::string(entry.file), std::string(entry.menuEntry), minCharacters,
                     maxCharacters});
  }
  return pages;
}

const std::pair<std::span<const MenuPage>, std::pair<std::size_t, std::size_t>> kMenus[] = {
    {storyPages(), {300, 800}}, {rhymePages(), {100, 600}}, {zodiacPages(), {150, 600}}};

class ReadingMaterialTest : public ContentServiceTest {
 protected:
  // Checks each page; returns the text under each heading by the page's place.
  std::map<std::string, std::string> walk(const std::vector<Expected>& pages) {
    std::map<std::string, std::string> texts;
    for (const auto& page : pages) {
      const auto fetched = fetch(address(page.section, page.file));
      const auto where = page.section + page.file + " (" + page.title + ")";
      EXPECT_TRUE(fetched.ok) << where;
      EXPECT_EQ(fetched.contentType, "text/html; charset=gbk") << where;
      EXPECT_FALSE(fetched.html.empty()) << where << " is missing or does not decode";
      EXPECT_NE(fetched.html.find("charset=gbk"), std::string::npos) << where;
      EXPECT_EQ(heading(fetched.html), page.title) << where;
      const auto text = bodyText(fetched.html);
      const auto count = characterCount(text);
      EXPECT_GE(count, page.minCharacters) << where;
      EXPECT_LE(count, page.maxCharacters) << where;
      texts[where] = text;
    }
    return texts;
  }

  void walkMenu(std::size_t index) {
    const auto& [menu, bounds] = kMenus[index];
    walk(menuPages(menu, bounds.first, bounds.second));
  }
};

TEST_F(ReadingMaterialTest, ParentingCollections) {
  const auto pages = collectionPages();
  EXPECT_EQ(pages.size(), 688U);
  walk(pages);
}

TEST_F(ReadingMaterialTest, Stories) { walkMenu(0); }
TEST_F(ReadingMaterialTest, Rhymes) { walkMenu(1); }
TEST_F(ReadingMaterialTest, Zodiac) { walkMenu(2); }

TEST_F(ReadingMaterialTest, NoTwoPagesAreAlike) {
  auto pages = collectionPages();
  for (const auto& [menu, bounds] : kMenus) {
    const auto more = menuPages(menu, bounds.first, bounds.second);
    pages.insert(pages.end(), more.begin(), more.end());
  }
  std::map<std::string, std::string> firstPageOfText;
  for (const auto& [where, text] : walk(pages)) {
    const auto [it, added] = firstPageOfText.try_emplace(text, where);
    EXPECT_TRUE(added) << "the same text on " << it->second << " and " << where;
  }
}

}  // namespace
}  // namespace quillan::content
