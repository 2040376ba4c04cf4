#include "app/ResultFilterProxy.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "app/ResultListModel.h"
#include "common/PinyinKey.h"
#include "resultview/RowKeys.h"

namespace quillan::app {
namespace {

using resultview::SortColumn;

bool numeric(SortColumn column) {
  return column == SortColumn::Number || column == SortColumn::Score || column == SortColumn::Euphony;
}

double numberOf(const generate::ResultRow& row, SortColumn column) {
  if (column == SortColumn::Score) {
    return resultview::scoreOf(row);
  }
  if (column == SortColumn::Euphony) {
    return row.details.euphony;
  }
  const std::string& text = row[generate::ResultColumn::Number];
  long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return static_cast<double>(value);
}

}  // namespace

ResultFilterProxy::ResultFilterProxy(ResultListModel* results, QObject* parent)
    : QSortFilterProxyModel(parent), results_(results) {
  setSourceModel(results);
  setDynamicSortFilter(true);
  // A new run starts with fresh keys.
  connect(results, &QAbstractItemModel::modelReset, this, [this] {
    for (auto& keys : numberKeys_) {
      keys.clear();
    }
    nameKeys_.clear();
    nameKnown_.clear();
  });
}

void ResultFilterProxy::setRowFilter(resultview::RowFilter filter) {
  filter_ = std::move(filter);
  filter_.surnameChars = results_->surnameChars();
  // A full rebuild (filter, then one sort) costs far less on tens of thousands of rows than the
  // proxy's own removal and insertion of every row that changes side.
  invalidate();
}

int ResultFilterProxy::sourceRow(int shownRow) const { return mapToSource(index(shownRow, 0)).row(); }

std::vector<generate::ResultRow> ResultFilterProxy::shownRows() const {
  std::vector<generate::ResultRow> rows;
  const int count = rowCount();
  rows.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    rows.push_back(results_->row(sourceRow(i)));
  }
  return rows;
}

bool ResultFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return filter_.empty() || resultview::passes(filter_, results_->row(sourceRow));
}

double ResultFilterProxy::numberKey(int sourceRow, int column) const {
  auto& keys = numberKeys_[static_cast<std::size_t>(column)];
  const auto at = static_cast<std::size_t>(sourceRow);
  if (keys.size() <= at) {
    keys.resize(static_cast<std::size_t>(results_->rowCount()), std::numeric_limits<double>::quiet_NaN());
  }
  double& key = keys[at];
  if (std::isnan(key)) {
    key = numberOf(results_->row(sourceRow), static_cast<SortColumn>(column));
  }
  return key;
}

const std::string& ResultFilterProxy::nameKey(int sourceRow) const {
  const auto at = static_cast<std::size_t>(sourceRow);
  if (nameKeys_.size() <= at) {
    const auto count = static_cast<std::size_t>(results_->rowCount());
    nameKeys_.resize(count);
    nameKnown_.resize(count, false);
  }
  if (!nameKnown_[at]) {
    nameKeys_[at] = common::pinyinKey(results_->row(sourceRow).details.pinyin);
    nameKnown_[at] = true;
  }
  return nameKeys_[at];
}

bool ResultFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto column = static_cast<SortColumn>(left.column());
  int c = 0;
  if (numeric(column)) {
    const double a = numberKey(left.row(), left.column());
    const double b = numberKey(right.row(), left.column());
    c = a < b ? -1 : (b < a ? 1 : 0);
  } else if (column == SortColumn::Name) {
    c = nameKey(left.row()).compare(nameKey(right.row()));
    if (c == 0) {
      c = results_->row(left.row())[generate::ResultColumn::Name].compare(
          results_->row(right.row())[generate::ResultColumn::Name]);
    }
  } else {
    c = resultview::compareRows(column, results_->row(left.row()), results_->row(right.row()));
  }
  if (c != 0) {
    return c < 0;
  }
  // Ties stay in list order both ways, as rows arriving later are placed the same way; the proxy
  // reverses the comparison for a descending order, so the tie-break is reversed to match.
  return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

}  // namespace quillan::app
