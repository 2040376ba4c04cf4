#include "app/ResultListModel.h"

#include <algorithm>

namespace quillan::app {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rowCount_; }

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

const ResultListModel::Row& ResultListModel::row(int index) const {
  const auto after = std::upper_bound(chunkStarts_.begin(), chunkStarts_.end(), index);
  const auto chunk = static_cast<std::size_t>(after - chunkStarts_.begin() - 1);
  return chunks_[chunk][static_cast<std::size_t>(index - chunkStarts_[chunk])];
}

std::vector<ResultListModel::Row> ResultListModel::rows() const {
  std::vector<Row> all;
  all.reserve(static_cast<std::size_t>(rowCount_));
  for (const Chunk& chunk : chunks_) {
    all.insert(all.end(), chunk.begin(), chunk.end());
  }
  return all;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount_ || index.column() >= kColumns) {
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

void ResultListModel::appendChunk(Chunk chunk) {
  if (chunk.empty()) {
    return;
  }
  const int count = static_cast<int>(chunk.size());
  beginInsertRows({}, rowCount_, rowCount_ + count - 1);
  chunkStarts_.push_back(rowCount_);
  chunks_.push_back(std::move(chunk));
  rowCount_ += count;
  endInsertRows();
}

void ResultListModel::clear() {
  if (rowCount_ == 0) {
    return;
  }
  beginResetModel();
  chunks_.clear();
  chunkStarts_.clear();
  rowCount_ = 0;
  endResetModel();
}

}  // namespace quillan::app
