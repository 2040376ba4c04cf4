#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

namespace quillan::app {

// The result list 超级列表框1: seven text columns, rows appended in batches. Appending and
// repainting after every single row is far too slow for the tens of thousands of rows of a
// high-score run; a batch is one insertion for the view.
class ResultListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 7;
  using Row = std::array<QString, kColumns>;

  explicit ResultListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void appendRows(std::vector<Row> rows);
  void clear();
  const Row& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

  // "编号", "姓名", "五行", "天格,人格,地格,外格,总格", "五格吉凶", "三才", "综合评分".
  static const std::array<QString, kColumns>& titles();

 private:
  std::vector<Row> rows_;
};

}  // namespace quillan::app
