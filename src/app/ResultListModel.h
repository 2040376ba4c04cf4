#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <memory>
#include <vector>

#include "generate/ResultRow.h"

namespace quillan::app {

// The result list 超级列表框1: the seven columns of the result row and, after them, "音律" (shown
// only for runs that judged how names read). Rows arrive as chunks filled
// elsewhere (the generation worker) and are kept as such: appending a chunk moves no row, so the
// window's thread does almost no work per batch even when a high-score run lists tens of
// thousands of names.
class ResultListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = static_cast<int>(generate::kResultColumnCount) + 1;
  static constexpr int kEuphonyColumn = kColumns - 1;
  using Row = generate::ResultRow;
  using Chunk = std::vector<Row>;

  explicit ResultListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void appendChunk(Chunk chunk);
  void clear();
  const Row& row(int index) const;
  // Every row in list order (a copy; for the export and the tests).
  std::vector<Row> rows() const;

  // Whether this run's rows carry a 音律分 (known from its first row).
  bool hasEuphony() const { return hasEuphony_; }
  // How many leading characters of each name are the surname; set as a run begins.
  void setSurnameChars(int count) { surnameChars_ = count; }
  int surnameChars() const { return surnameChars_; }

 signals:
  void euphonyShown(bool shown);

 private:
  std::vector<Chunk> chunks_;
  std::vector<int> chunkStarts_;  // the list row of each chunk's first row
  int rowCount_ = 0;
  int surnameChars_ = 1;
  bool hasEuphony_ = false;
};

}  // namespace quillan::app
