#include "app/ResultListModel.h"

#include <algorithm>

#include <QStringList>

#include "chars/NameMeanings.h"
#include "common/TextSplit.h"

namespace quillan::app {
namespace {

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The given name's characters, each with its reading and, where the lists know it, its meaning.
QString toolTip(const ResultListModel::Row& row, int surnameChars) {
  const auto characters = common::splitCharacters(row[generate::ResultColumn::Name]);
  const auto readings = common::splitText(row.details.pinyin, " ");
  QStringList lines;
  for (std::size_t i = static_cast<std::size_t>(std::max(surnameChars, 0)); i < characters.size(); ++i) {
    QString line = utf8(characters[i]);
    if (readings.size() == characters.size() && !readings[i].empty()) {
      line += QStringLiteral(" ") + utf8(readings[i]);
    }
    const std::string_view meaning = chars::meaningOf(characters[i]);
    if (!meaning.empty()) {
      line += QStringLiteral("：") + utf8(meaning);
    }
    lines.push_back(line);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

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
    const Row& shown = row(index.row());
    if (index.column() == kEuphonyColumn) {
      return shown.details.euphony >= 0 ? QVariant(shown.details.euphony) : QVariant();
    }
    // Texts stay UTF-8 in the rows (half the memory of QStrings); only visible cells convert.
    return QString::fromStdString(shown.cells[static_cast<std::size_t>(index.column())]);
  }
  if (role == Qt::ToolTipRole) {
    return toolTip(row(index.row()), surnameChars_);
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignCenter);
  }
  return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == kEuphonyColumn) {
    return tr("音律");
  }
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
  if (rowCount_ == 0 && chunk.front().details.euphony >= 0 && !hasEuphony_) {
    hasEuphony_ = true;
    emit euphonyShown(true);
  }
  beginInsertRows({}, rowCount_, rowCount_ + count - 1);
  chunkStarts_.push_back(rowCount_);
  chunks_.push_back(std::move(chunk));
  rowCount_ += count;
  endInsertRows();
}

void ResultListModel::clear() {
  if (hasEuphony_) {
    hasEuphony_ = false;
    emit euphonyShown(false);
  }
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
