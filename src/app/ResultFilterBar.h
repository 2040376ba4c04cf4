#pragma once

#include <QWidget>

#include "resultview/RowFilter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QDoubleSpinBox;

namespace quillan::app {

// The filter bar above the result list: lowest score, a character the given name must hold (at any
// or one position), characters to leave out, the given-name elements, 三才 all auspicious, lowest
// 音律 (only for runs that have it) and a free search; beside it "显示 N / 共 M 个".
class ResultFilterBar : public QWidget {
  Q_OBJECT

 public:
  explicit ResultFilterBar(QWidget* parent = nullptr);

  resultview::RowFilter filter() const;
  void clearFilter();
  void showCounts(int shown, int total);
  void setEuphonyShown(bool shown);
  // A command about the list's rows, placed under the counts.
  void addCommand(QWidget* button);

 signals:
  void filterChanged();

 private:
  QDoubleSpinBox* minScore_;
  QLineEdit* contain_;
  QComboBox* position_;
  QLineEdit* exclude_;
  std::vector<QCheckBox*> elements_;
  QCheckBox* talents_;
  QCheckBox* favourable_;
  QLabel* euphonyLabel_;
  QSpinBox* minEuphony_;
  QLineEdit* search_;
  QLabel* counts_;
  bool clearing_ = false;
};

}  // namespace quillan::app
