#include <gtest/gtest.h>

#include "content/Collections.h"
#include "content/MenuPages.h"
#include "content/PageAddress.h"
#include "content/TitleRows.h"

namespace quillan::content {
namespace {

TEST(Collections, CountsAndFirstAndLastTitles) {
  struct Expected {
    const char* section;
    std::size_t count;
    const char* first;
    const char* last;
  };
  const Expected expected[] = {
      {"yezs/yezsyyd/", 13, "育儿方案新生儿", "育儿方案第十二个月"},
      {"yezs/xsezs/", 125, "仔细观察小宝宝的感知觉", "婴儿期的社会关系"},
      {"yezs/yezsttd/", 365, "育儿知识天天读第1天", "育儿知识天天读第365天"},
      {"yezs/xsehl/", 52, "为何有的新生儿摸不到睾丸", "孩子患了泌尿系感染如何护"},
      {"yezs/qnkf/", 38, "让宝宝从小就要拥有梦想", "让孩子表现潜能"},
      {"yezs/myjl/", 34, "和宝宝进行初期语言交流", "触摸，宝宝开化的始发点"},
      {"yezs/yejy/", 61, "抱玩具入睡会影响宝宝睡眠质", "儿子第一次涂鸦"},
  };
  EXPECT_EQ(articleCollections().size(), std::size(expected));
  for (const auto& e : expected) {
    const auto* collection = collectionBySection(e.section);
    ASSERT_NE(collection, nullptr) << e.section;
    const auto rows = titleRows(collection->titleList);
    ASSERT_EQ(rows.size(), e.count) << e.section;
    EXPECT_EQ(rows.front().title, e.first);
    EXPECT_EQ(rows.back().title, e.last);
    EXPECT_EQ(rows.back().pageFile, std::to_string(e.count) + ".htm");
  }
}

TEST(Collections, MenuEntriesOpenTheirSections) {
  const std::pair<const char*, const char*> entries[] = {
      {"育儿知识天天读", "yezs/yezsttd/"}, {"育儿知识月月读", "yezs/yezsyyd/"}, {"新生儿知识", "yezs/xsezs/"},
      {"新生儿护理", "yezs/xsehl/"},       {"母婴交流", "yezs/myjl/"},          {"潜能开发", "yezs/qnkf/"},
      {"育儿经验", "yezs/yejy/"}};
  for (const auto& [entry, section] : entries) {
    const auto* collection = collectionByMenuEntry(entry);
    ASSERT_NE(collection, nullptr) << entry;
    EXPECT_EQ(collection->section, section);
  }
  EXPECT_EQ(collectionByMenuEntry("百家姓"), nullptr);
}

TEST(TitleRows, EmptyTitlesKeepTheirNumber) {
  EXPECT_EQ(titleRows("甲||丙"), (std::vector<TitleRow>{{"甲", "1.htm"}, {"", "2.htm"}, {"丙", "3.htm"}}));
  EXPECT_TRUE(titleRows("").empty());
}

TEST(PageAddress, CollectionRowAndSinglePage) {
  const auto* daily = collectionBySection("yezs/yezsttd/");
  const auto rows = titleRows(daily->titleList);
  EXPECT_EQ(pageAddress("http://127.0.0.1:8080/", daily->section, rows[2].pageFile),
            "http://127.0.0.1:8080/tovka/yezs/yezsttd/3.htm");
  const auto folk = folkPages();
  ASSERT_EQ(folk.size(), 8U);
  EXPECT_EQ(folk[0].menuEntry, "百家姓");
  EXPECT_EQ(pageAddress("http://h/q/", folk[0].section, folk[0].file), "http://h/q/tovka/mszs/mszs/bjx.htm");
  EXPECT_EQ(zodiacPages().size(), 12U);
  EXPECT_EQ(rhymePages().size(), 11U);
  EXPECT_EQ(storyPages().size(), 14U);
}

}  // namespace
}  // namespace quillan::content
