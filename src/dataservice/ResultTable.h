#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::dataservice {

// A reply of the data service as a table of texts, 1-based: row 1 holds the column names, data
// rows follow. A failed or empty query gives a table with 0 rows.
class ResultTable {
 public:
  ResultTable() = default;

  // Shapes a decoded reply: row pieces split at "[xW|Row]", cells at "[xW|Col]", all cells in one
  // flat list laid out row-major with as many columns as the LAST row piece has. Missing cells are
  // empty, surplus cells are dropped. No piece, or a first piece of "-1", gives 0 rows.
  static ResultTable fromReply(std::string_view decoded);

  // A table from rows of cells; the column count is that of the last row.
  static ResultTable fromRows(const std::vector<std::vector<std::string>>& rows);

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  // True when no column split happened (every row is one cell).
  bool singleDimension() const { return cols_ == 1; }

  // The cell at row r, column c (both 1-based); empty outside the table.
  const std::string& at(int r, int c) const;

 private:
  int rows_ = 0;
  int cols_ = 0;
  std::vector<std::string> cells_;
};

// rows - 1: the header row is not counted (0 for an empty table).
int dataRowCount(const ResultTable& table);

// Column c of data row k (data row k is table row k + 1). k = 0 reads the header. Empty when
// the row does not exist or c > cols; a single-dimension table returns its element k + 1.
std::string cellText(const ResultTable& table, int c, int k);

}  // namespace quillan::dataservice
