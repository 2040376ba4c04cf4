#pragma once

#include <QSortFilterProxyModel>
#include <array>
#include <string>
#include <vector>

#include "resultview/RowFilter.h"
#include "resultview/RowKeys.h"

namespace quillan::app {

class ResultListModel;

// The result list as shown: the rows that pass the filter bar, in the order of the header the user
// clicked. It sorts and filters rows as they arrive during a run (the proxy places each new chunk),
// and compares rows by their own values (scores as numbers, names by readings), never by the texts
// drawn. Keys the sort needs are worked out once per row and kept.
class ResultFilterProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ResultFilterProxy(ResultListModel* results, QObject* parent = nullptr);

  void setRowFilter(resultview::RowFilter filter);
  const resultview::RowFilter& rowFilter() const { return filter_; }

  // The source row of a shown row.
  int sourceRow(int shownRow) const;
  // The shown rows in their order (copies; for the export).
  std::vector<generate::ResultRow> shownRows() const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  double numberKey(int sourceRow, int column) const;
  const std::string& nameKey(int sourceRow) const;

  ResultListModel* results_;
  resultview::RowFilter filter_;
  // The numbers of each column that sorts by number, by source row; NaN until worked out. Kept per
  // column, so that going back to a column sorted before costs no key again.
  mutable std::array<std::vector<double>, resultview::kSortColumnCount> numberKeys_;
  mutable std::vector<std::string> nameKeys_;
  mutable std::vector<bool> nameKnown_;
};

}  // namespace quillan::app
