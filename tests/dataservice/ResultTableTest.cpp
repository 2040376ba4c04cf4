#include "dataservice/ResultTable.h"

#include <gtest/gtest.h>

namespace quillan::dataservice {
namespace {

constexpr const char* kHeaderAndOneRow = "ID[xW|Col]zi[xW|Col]bihua[xW|Row]7[xW|Col]华[xW|Col]14";

TEST(ResultTable, MinusOneAndEmptyRepliesGiveNoRows) {
  for (const char* reply : {"-1", "-1[xW|Row]x", ""}) {
    const auto table = ResultTable::fromReply(reply);
    EXPECT_EQ(table.rows(), 0) << reply;
    EXPECT_EQ(dataRowCount(table), 0);
    EXPECT_EQ(cellText(table, 1, 1), "");
    EXPECT_EQ(cellText(table, 1, 0), "");
  }
}

TEST(ResultTable, HeaderAndOneRow) {
  const auto table = ResultTable::fromReply(kHeaderAndOneRow);
  EXPECT_EQ(table.rows(), 2);
  EXPECT_EQ(table.cols(), 3);
  EXPECT_EQ(dataRowCount(table), 1);
  EXPECT_EQ(cellText(table, 2, 1), "华");
  EXPECT_EQ(cellText(table, 2, 0), "zi");  // k = 0 reads the column name
  EXPECT_EQ(cellText(table, 4, 1), "");    // beyond the columns
  EXPECT_EQ(cellText(table, 2, 5), "");    // data row 5 of a 2-row table
  EXPECT_EQ(cellText(table, 0, 1), "");
}

TEST(ResultTable, ShapesByTheLastRowPiece) {
  // The last row has fewer cells: two columns, the flat list laid out row-major.
  const auto shortLast = ResultTable::fromReply("a[xW|Col]b[xW|Col]c[xW|Row]d[xW|Col]e");
  EXPECT_EQ(shortLast.cols(), 2);
  EXPECT_EQ(cellText(shortLast, 1, 0), "a");
  EXPECT_EQ(cellText(shortLast, 1, 1), "c");  // surplus cells move down and the last is dropped
  EXPECT_EQ(cellText(shortLast, 2, 1), "d");

  // The last row has more cells: the flat list runs short and the missing cells are empty.
  const auto longLast = ResultTable::fromReply("a[xW|Row]b[xW|Col]c[xW|Col]d");
  EXPECT_EQ(longLast.cols(), 3);
  EXPECT_EQ(cellText(longLast, 1, 0), "a");
  EXPECT_EQ(cellText(longLast, 3, 0), "c");
  EXPECT_EQ(cellText(longLast, 1, 1), "d");
  EXPECT_EQ(cellText(longLast, 2, 1), "");
}

TEST(ResultTable, SingleDimensionReturnsElementKPlusOne) {
  const auto table = ResultTable::fromReply("head[xW|Row]first[xW|Row]second");
  EXPECT_TRUE(table.singleDimension());
  EXPECT_EQ(cellText(table, 7, 1), "first");
  EXPECT_EQ(cellText(table, 1, 2), "second");
  EXPECT_EQ(cellText(table, 1, 3), "");
}

}  // namespace
}  // namespace quillan::dataservice
