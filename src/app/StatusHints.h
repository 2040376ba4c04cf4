#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace quillan::app {

// Status-bar hints: while the pointer moves over a registered control, part 0 of the status bar
// shows that control's hint. The hint stays until another control replaces it; the banner button's
// hint is the default text, so pointing at the banner restores it.
class StatusHints : public QObject {
  Q_OBJECT

 public:
  StatusHints(QLabel* part0, QString defaultText, QObject* parent);

  void add(QWidget* control, const QString& hint);
  void showDefault();
  const QString& defaultText() const { return defaultText_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* part0_;
  QString defaultText_;
  QHash<QObject*, QString> hints_;
};

}  // namespace quillan::app
