#include "app/ResultListModel.h"

#include <QCoreApplication>

namespace quillan::app {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

const std::array<QString, ResultListModel::kColumns>& ResultListModel::titles() {
  static const std::array<QString, kColumns> all{
      QCoreApplication::translate("quillan::app::ResultListModel", "编号"),
      QCoreApplication::translate("quillan::app::ResultListModel", "姓名"),
      QCoreApplication::translate("quillan::app::ResultListModel", "五行"),
      QCoreApplication::translate("quillan::app::ResultListModel", "天格,人格,地格,外格,总格"),
      QCoreApplication::translate("quillan::app::ResultListModel", "五格吉凶"),
      QCoreApplication::translate("quillan::app::ResultListModel", "三才"),
      QCoreApplication::translate("quillan::app::ResultListModel", "综合评分"),
  };
  return all;
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    return row(index.row())[static_cast<std::size_t>(index.column())];
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignCenter);
  }
  return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
    return titles()[static_cast<std::size_t>(section)];
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

void ResultListModel::appendRows(std::vector<Row> rows) {
  if (rows.empty()) {
    return;
  }
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

void ResultListModel::clear() {
  if (rows_.empty()) {
    return;
  }
  beginResetModel();
  rows_.clear();
  rows_.shrink_to_fit();
  endResetModel();
}

}  // namespace quillan::app
