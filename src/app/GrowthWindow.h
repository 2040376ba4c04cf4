#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>

#include "app/DialogHooks.h"
#include "growth/GrowthStandards.h"
#include "growth/GrowthStore.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

namespace quillan::app {

class GrowthChartView;

// 生长曲线: children and their measurements against the WHO Child Growth Standards, the chart with
// P3–P97 and the child's points, the list with age, percentile and z-score, saving PNG and PDF.
// Every change is written to the records file at once; a refused entry changes nothing.
class GrowthWindow : public QDialog {
  Q_OBJECT

 public:
  GrowthWindow(growth::GrowthStandards standards, std::filesystem::path recordsFile, growth::LoadedRecords records,
               const DialogHooks* hooks, std::function<QDate()> today, QWidget* parent = nullptr);

  const growth::GrowthRecords& records() const { return records_; }
  // The list as text, one line per measurement, tab-separated: what "复制结果" copies.
  QString resultText() const;

 private:
  void addChild();
  void removeChild();
  void addMeasurement();
  void removeMeasurement();
  void saveChart();
  void copyResult();
  void refresh();
  void fillChildren(const QString& select);
  // Keeps `changed` only if it could be saved; tells the user otherwise.
  bool commit(const growth::GrowthRecords& changed);
  void refuse(const QString& sentence);
  const growth::ChildRecord* currentChild() const;

  growth::GrowthStandards standards_;
  std::filesystem::path recordsFile_;
  growth::GrowthRecords records_;
  bool canSave_ = true;
  const DialogHooks* hooks_;
  std::function<QDate()> today_;

  QComboBox* children_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* sex_ = nullptr;
  QDateEdit* birth_ = nullptr;
  QDateEdit* date_ = nullptr;
  QLineEdit* weight_ = nullptr;
  QLineEdit* length_ = nullptr;
  QLineEdit* head_ = nullptr;
  QComboBox* indicator_ = nullptr;
  GrowthChartView* chart_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace quillan::app
