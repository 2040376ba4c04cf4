#pragma once

#include <QDialog>

#include "app/DialogHooks.h"
#include "compare/Comparison.h"

class QTableWidget;

namespace quillan::app {

// "名字对比": two to four names side by side, one column each, the lines where they differ
// marked; print it or save it as PDF. Not modal, so that the shortlist stays at hand.
class CompareWindow : public QDialog {
  Q_OBJECT

 public:
  CompareWindow(compare::Comparison comparison, const DialogHooks* hooks, QWidget* parent = nullptr);

  const compare::Comparison& comparison() const { return comparison_; }
  QTableWidget* table() const { return table_; }

 private:
  compare::Comparison comparison_;
  const DialogHooks* hooks_;
  QTableWidget* table_;
};

}  // namespace quillan::app
