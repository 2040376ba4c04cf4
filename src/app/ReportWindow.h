#pragma once

#include <QDialog>
#include <filesystem>

#include "app/DialogHooks.h"
#include "evaluate/ReportFields.h"

class QPushButton;
class QTextBrowser;

namespace quillan::app {

// The report window "五格三才综合评分": the report page in 超文本浏览框1 and "导出文本", which saves
// the same report as text. It keeps the report's fields, since the text export changes their line
// breaks in place.
class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  ReportWindow(const std::filesystem::path& page, evaluate::ReportFields fields, const DialogHooks* hooks,
               QWidget* parent = nullptr);

  QTextBrowser* browser() const { return browser_; }

 signals:
  // "加入备选名单".
  void keepRequested();

 private:
  void exportText();

  evaluate::ReportFields fields_;
  const DialogHooks* hooks_;
  QTextBrowser* browser_;
  QPushButton* exportButton_;
};

}  // namespace quillan::app
