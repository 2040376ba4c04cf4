#include "dataservice/ResultTable.h"

#include "common/TextSplit.h"

namespace quillan::dataservice {
namespace {

constexpr std::string_view kRowSeparator = "[xW|Row]";
constexpr std::string_view kColSeparator = "[xW|Col]";

const std::string kEmpty;

}  // namespace

ResultTable ResultTable::fromReply(std::string_view decoded) {
  if (decoded.empty()) {
    return {};
  }
  const auto rowPieces = common::splitText(decoded, kRowSeparator);
  if (rowPieces.empty() || rowPieces.front() == "-1") {
    return {};
  }
  std::vector<std::vector<std::string>> rows;
  rows.reserve(rowPieces.size());
  for (const auto& piece : rowPieces) {
    rows.push_back(common::splitText(piece, kColSeparator));
  }
  return fromRows(rows);
}

ResultTable ResultTable::fromRows(const std::vector<std::vector<std::string>>& rows) {
  ResultTable table;
  if (rows.empty()) {
    return table;
  }
  table.rows_ = static_cast<int>(rows.size());
  table.cols_ = static_cast<int>(rows.back().size());
  const auto capacity = static_cast<std::size_t>(table.rows_) * static_cast<std::size_t>(table.cols_);
  table.cells_.reserve(capacity);
  for (const auto& row : rows) {
    for (const auto& cell : row) {
      if (table.cells_.size() == capacity) {
        break;
      }
      table.cells_.push_back(cell);
    }
  }
  table.cells_.resize(capacity);
  return table;
}

const std::string& ResultTable::at(int r, int c) const {
  if (r < 1 || r > rows_ || c < 1 || c > cols_) {
    return kEmpty;
  }
  return cells_[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(c - 1)];
}

int dataRowCount(const ResultTable& table) { return table.rows() > 0 ? table.rows() - 1 : 0; }

std::string cellText(const ResultTable& table, int c, int k) {
  if (k < 0 || k + 1 > table.rows()) {
    return {};
  }
  if (table.singleDimension()) {
    return table.at(k + 1, 1);
  }
  return table.at(k + 1, c);
}

}  // namespace quillan::dataservice
