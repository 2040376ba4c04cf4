#include "app/ResultListModel.h"

namespace quillan::app {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    // Texts stay UTF-8 in the rows (half the memory of QStrings); only visible cells convert.
    return QString::fromStdString(row(index.row()).cells[static_cast<std::size_t>(index.column())]);
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignCenter);
  }
  return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
    const std::string_view title = generate::kResultColumnTitles[static_cast<std::size_t>(section)];
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
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
