#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "app/DialogHooks.h"
#include "app/MenuCatalog.h"

namespace Ui {
class ScoringPage;
}

class QDate;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillan::app {

// Page 1 of 选择夹1: the name boxes shared by both inner pages of 选择夹2, inner page 0 the
// certificate (photo, birth date, hour, "生成证书"), inner page 1 the scoring ("姓名评分").
class ScoringPage : public QWidget {
  Q_OBJECT

 public:
  ScoringPage(const DialogHooks* hooks, QWidget* parent = nullptr);
  ~ScoringPage() override;

  void showTab(ScoringTab tab);
  ScoringTab tab() const;
  // Start-up step 5: the birth date box and its calendar from today.
  void setToday(const QDate& today);
  // Start-up step 6: the program's own picture in 图片框2.
  void showDefaultPhoto();
  // While a generation run waits, the evaluation commands are refused.
  void setBusy(bool busy);
  // Called once the report and certificate commands are connected to their handlers.
  void commandsReady();

  QLineEdit* surnameBox() const;
  QLineEdit* givenBox() const;
  QPushButton* scoreButton() const;
  // "加入备选名单" beside "姓名评分".
  QPushButton* keepButton() const { return keepButton_; }
  QPushButton* certificateButton() const;
  QPushButton* addPhotoButton() const;
  QPushButton* removePhotoButton() const;
  QLabel* photoBox() const;
  QDateEdit* dateBox() const;
  QLineEdit* hourBox() const;

  // The photo in 图片框2 (null when removed).
  QImage photo() const { return photo_; }
  void setPhoto(const QImage& photo);

 private:
  std::unique_ptr<Ui::ScoringPage> ui_;
  QPushButton* keepButton_ = nullptr;
  bool scoringAvailable_ = false;
  bool certificateAvailable_ = false;
  QImage photo_;
};

}  // namespace quillan::app
