#include "sources/LookupColumns.h"

#include <gtest/gtest.h>

#include "dataservice/ResultTable.h"

namespace quillan::sources {
namespace {

TEST(LookupColumns, RecordFromColumnsTwoToFiveAndNine) {
  const auto table = dataservice::ResultTable::fromRows({
      {"ID", "zi", "fanti", "pinyin", "bihua", "jian", "bushou", "duoyin", "wuxing"},
      {"9", "华", "華", "huá", "14", "6", "140", "huá huà", "水"},
  });
  EXPECT_EQ(recordFromLookup(table), (chars::CharRecord{"华", "華", "huá", "14", "水"}));
}

TEST(LookupColumns, LookupWithoutRowsGivesEmptyRecord) {
  const auto noRows = dataservice::ResultTable::fromReply("-1");
  const auto headerOnly = dataservice::ResultTable::fromRows({{"ID", "zi", "fanti", "pinyin", "bihua"}});
  for (const auto& table : {noRows, headerOnly}) {
    const auto record = recordFromLookup(table);
    EXPECT_EQ(record, chars::CharRecord{});
    EXPECT_EQ(record.strokeCount(), 0);
  }
}

}  // namespace
}  // namespace quillan::sources
