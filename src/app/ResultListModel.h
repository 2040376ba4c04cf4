#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "generate/ResultRow.h"

namespace quillan::app {

// The result list 超级列表框1: the seven columns of the result row, rows appended in batches. Appending and
// repainting after every single row is far too slow for the tens of thousands of rows of a
// high-score run; a batch is one insertion for the view.
class ResultListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = static_cast<int>(generate::kResultColumnCount);
  using Row = generate::ResultRow;

  explicit ResultListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void appendRows(std::vector<Row> rows);
  void clear();
  const Row& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  const std::vector<Row>& rows() const { return rows_; }

 private:
  std::vector<Row> rows_;
};

}  // namespace quillan::app
