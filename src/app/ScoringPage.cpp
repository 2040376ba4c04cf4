#include "app/ScoringPage.h"

#include "app/ChineseInputFilter.h"
#include "app/NotYetAvailable.h"
#include "app/Pictures.h"
#include "ui_ScoringPage.h"

namespace quillan::app {

ScoringPage::ScoringPage(const DialogHooks* hooks, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ScoringPage>()) {
  ui_->setupUi(this);
  ui_->图片框2->setFixedSize(200, 250);
  ui_->图片框2->setAlignment(Qt::AlignCenter);
  ui_->农历日期框1->setDate(QDate::currentDate());
  new ChineseInputFilter(ui_->编辑框8, tr("姓氏只能是中文汉字"), hooks);
  new ChineseInputFilter(ui_->编辑框9, tr("名字只能是中文汉字"), hooks);

  // The report and the certificate are built by their own parts of the program; until they are
  // there the commands say so instead of pretending.
  for (QWidget* command : {static_cast<QWidget*>(ui_->按钮9), static_cast<QWidget*>(ui_->按钮4),
                           static_cast<QWidget*>(ui_->按钮_添加照片), static_cast<QWidget*>(ui_->按钮_删除照片)}) {
    markNotYetAvailable(command);
  }
}

ScoringPage::~ScoringPage() = default;

void ScoringPage::showInnerPage(int index) { ui_->选择夹2->setCurrentIndex(index); }

int ScoringPage::innerPage() const { return ui_->选择夹2->currentIndex(); }

void ScoringPage::showDefaultPhoto() {
  const QLabel* box = ui_->图片框2;
  ui_->图片框2->setPixmap(Pictures::defaultPhoto(box->size() - QSize(8, 8), devicePixelRatioF()));
}

void ScoringPage::setBusy(bool busy) {
  ui_->按钮9->setEnabled(!busy && scoringAvailable_);
  ui_->按钮4->setEnabled(!busy && certificateAvailable_);
}

}  // namespace quillan::app
