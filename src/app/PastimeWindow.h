#pragma once

#include <QDialog>

#include "app/DialogHooks.h"

class QTextBrowser;
class QVBoxLayout;

namespace quillan::app {

// The frame the small folk functions of 更多功能 share: their inputs on top, the result in a read-only
// text the keyboard reaches and can select, "复制结果", "保存结果" (with the hooks to ask where), "关闭",
// and the note that it is folk custom.
class PastimeWindow : public QDialog {
  Q_OBJECT

 public:
  PastimeWindow(const QString& objectName, const QString& title, const QString& note, QWidget* parent,
                const DialogHooks* hooks = nullptr);

  // Where the function puts its inputs.
  QVBoxLayout* inputs() const { return inputs_; }
  void showResult(const QString& html);
  QString resultText() const;

 private:
  void saveResult();

  const DialogHooks* hooks_;
  QVBoxLayout* inputs_ = nullptr;
  QTextBrowser* result_ = nullptr;
};

}  // namespace quillan::app
