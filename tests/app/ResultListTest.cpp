// The result list as the window shows it, without a window: the list, its sorted and filtered view,
// the 音律 column and the tooltips.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/ResultFilterProxy.h"
#include "app/ResultListModel.h"
#include "resultview/RowKeys.h"

namespace quillan::app {
namespace {

using generate::ResultRow;

// Rows whose scores and names come in no order; the numbers are the run's.
std::vector<ResultRow> runRows(int from, int count, bool euphony) {
  const char* given[] = {"明华", "思远", "浩然", "安", "子轩", "雨泽", "天宇"};
  const char* readings[] = {"míng huá", "sī yuǎn", "hào rán", "ān", "zǐ xuān", "yǔ zé", "tiān yǔ"};
  std::vector<ResultRow> rows;
  for (int i = from; i < from + count; ++i) {
    const int pick = (i * 5) % 7;
    ResultRow row;
    row.cells = {std::to_string(i),
                 std::string("李") + given[pick] + std::to_string(i % 3),
                 "木火水",
                 "8," + std::to_string(10 + i % 9) + ",22,15,29",
                 "吉,吉,吉,吉,吉",
                 i % 2 == 0 ? "木,木,木" : "木,木,金",
                 std::to_string(80 + (i * 37) % 21) + (i % 4 == 0 ? ".5" : "")};
    row.details.pinyin = std::string("lǐ ") + readings[pick];
    row.details.euphony = euphony ? (i * 13) % 101 : -1;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> shownNumbers(const ResultFilterProxy& proxy) {
  std::vector<std::string> numbers;
  for (const ResultRow& row : proxy.shownRows()) {
    numbers.push_back(row.cells[0]);
  }
  return numbers;
}

std::vector<std::string> expectedNumbers(const std::vector<ResultRow>& all, const resultview::RowFilter& filter,
                                         resultview::SortColumn column, resultview::SortOrder order) {
  std::vector<std::string> numbers;
  for (std::size_t i : resultview::shownRows(all, filter, column, order)) {
    numbers.push_back(all[i].cells[0]);
  }
  return numbers;
}

class ResultListTest : public ::testing::Test {
 protected:
  int argc_ = 1;
  char name_[8] = "results";
  char* argv_[1] = {name_};
  QCoreApplication app_{argc_, argv_};
};

TEST_F(ResultListTest, RowsArrivingWhileSortedAndFilteredAreEachPlacedOnce) {
  using resultview::SortColumn;
  using resultview::SortOrder;
  struct Case {
    int column;
    Qt::SortOrder order;
  };
  for (const Case c : {Case{static_cast<int>(SortColumn::Score), Qt::DescendingOrder},
                       Case{static_cast<int>(SortColumn::Name), Qt::AscendingOrder},
                       Case{static_cast<int>(SortColumn::Euphony), Qt::AscendingOrder},
                       Case{static_cast<int>(SortColumn::Grids), Qt::DescendingOrder}}) {
    ResultListModel results;
    ResultFilterProxy proxy(&results);
    resultview::RowFilter filter;
    filter.minScore = 88;
    filter.elements = {"水"};
    proxy.setRowFilter(filter);
    proxy.sort(c.column, c.order);
    std::vector<ResultRow> all;
    for (int chunk = 0; chunk < 5; ++chunk) {
      auto rows = runRows(1 + chunk * 40, 40, true);
      all.insert(all.end(), rows.begin(), rows.end());
      results.appendChunk(std::move(rows));
      const auto order = c.order == Qt::AscendingOrder ? SortOrder::Ascending : SortOrder::Descending;
      ASSERT_EQ(shownNumbers(proxy), expectedNumbers(all, filter, static_cast<SortColumn>(c.column), order))
          << "column " << c.column << " after chunk " << chunk;
    }
    // Clearing the filter brings back every row, still in order.
    proxy.setRowFilter({});
    const auto order = c.order == Qt::AscendingOrder ? SortOrder::Ascending : SortOrder::Descending;
    EXPECT_EQ(shownNumbers(proxy), expectedNumbers(all, {}, static_cast<SortColumn>(c.column), order));
  }
}

TEST_F(ResultListTest, EuphonyColumnOnlyForRunsThatJudgedIt) {
  ResultListModel results;
  bool shown = false;
  QObject::connect(&results, &ResultListModel::euphonyShown, [&](bool s) { shown = s; });
  results.appendChunk(runRows(1, 3, false));
  EXPECT_FALSE(results.hasEuphony());
  EXPECT_FALSE(shown);
  results.clear();
  results.appendChunk(runRows(1, 3, true));
  EXPECT_TRUE(results.hasEuphony());
  EXPECT_TRUE(shown);
  EXPECT_EQ(results.headerData(ResultListModel::kEuphonyColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("音律"));
  EXPECT_EQ(results.data(results.index(1, ResultListModel::kEuphonyColumn), Qt::DisplayRole).toInt(), 26);
  // The export's seven cells are untouched by it.
  EXPECT_EQ(results.data(results.index(1, 6), Qt::DisplayRole).toString().toStdString(), results.row(1).cells[6]);
  results.clear();
  EXPECT_FALSE(shown);
}

TEST_F(ResultListTest, TooltipGivesTheGivenNamesReadingsAndMeanings) {
  ResultListModel results;
  ResultRow row;
  row.cells = {"1", "欧阳明华", "土土火水", "", "", "", "90"};
  row.details.pinyin = "ōu yáng míng huá";
  results.setSurnameChars(2);
  results.appendChunk({row});
  const QString tip = results.data(results.index(0, 3), Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.contains(QStringLiteral("明 míng：光明磊落"))) << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("华 huá："))) << tip.toStdString();
  EXPECT_FALSE(tip.contains(QStringLiteral("阳"))) << tip.toStdString();
}

}  // namespace
}  // namespace quillan::app
