#include "app/ScoringPage.h"

#include <QBoxLayout>

#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ChineseInputFilter.h"
#include "app/LunarCalendarWidget.h"
#include "app/NotYetAvailable.h"
#include "app/Pictures.h"
#include "calendar/LunarDate.h"
#include "ui_ScoringPage.h"

namespace quillan::app {
namespace {

// "农历癸巳年 四月 十一 · 属蛇", or why there is none.
QString lunarCaption(const QDate& date) {
  const auto lunar = calendar::lunarDateOf({date.year(), date.month(), date.day()});
  if (!lunar) {
    return QCoreApplication::translate("quillan::app::ScoringPage", "农历：超出历法范围（1901–2100年）");
  }
  return QCoreApplication::translate("quillan::app::ScoringPage", "农历%1 · 属%2")
      .arg(QString::fromStdString(lunar->text()), QString::fromStdString(lunar->zodiac()));
}

}  // namespace

ScoringPage::ScoringPage(const DialogHooks* hooks, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ScoringPage>()) {
  ui_->setupUi(this);
  ui_->图片框2->setFixedSize(200, 250);
  ui_->图片框2->setAlignment(Qt::AlignCenter);
  new ChineseInputFilter(ui_->编辑框8, tr("姓氏只能是中文汉字"), hooks);
  new ChineseInputFilter(ui_->编辑框9, tr("名字只能是中文汉字"), hooks);

  // The lunar date and zodiac of the chosen birth date, under the date box.
  auto* lunar = new QLabel(this);
  lunar->setObjectName(QStringLiteral("标签_农历"));
  lunar->setProperty("role", QStringLiteral("hint"));
  ui_->证书表单->insertRow(1, QString(), lunar);
  connect(ui_->农历日期框1, &QDateEdit::dateChanged, lunar,
          [lunar](const QDate& date) { lunar->setText(lunarCaption(date)); });
  // Its calendar shows the lunar day of every date.
  ui_->农历日期框1->setCalendarPopup(true);
  ui_->农历日期框1->setCalendarWidget(new LunarCalendarWidget(ui_->农历日期框1));
  ui_->农历日期框1->setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31));
  lunar->setText(lunarCaption(ui_->农历日期框1->date()));

  // "加入备选名单" sits beside "姓名评分", in the layout that holds it.
  keepButton_ = new QPushButton(tr("加入备选名单"), this);
  keepButton_->setObjectName(QStringLiteral("按钮_评分加入备选"));
  for (auto* box : findChildren<QBoxLayout*>()) {
    const int at = box->indexOf(ui_->按钮9);
    if (at >= 0) {
      box->insertWidget(at + 1, keepButton_, 0, Qt::AlignLeft);
      break;
    }
  }

  // Until the window connects the commands they say they are not there.
  for (QWidget* command :
       {static_cast<QWidget*>(ui_->按钮9), static_cast<QWidget*>(keepButton_), static_cast<QWidget*>(ui_->按钮4),
        static_cast<QWidget*>(ui_->按钮5), static_cast<QWidget*>(ui_->按钮6)}) {
    markNotYetAvailable(command);
  }
}

ScoringPage::~ScoringPage() = default;

void ScoringPage::showTab(ScoringTab tab) { ui_->选择夹2->setCurrentIndex(static_cast<int>(tab)); }

ScoringTab ScoringPage::tab() const { return static_cast<ScoringTab>(ui_->选择夹2->currentIndex()); }

void ScoringPage::setToday(const QDate& today) {
  static_cast<LunarCalendarWidget*>(ui_->农历日期框1->calendarWidget())->setToday(today);
  ui_->农历日期框1->setDate(today);
}

void ScoringPage::showDefaultPhoto() {
  const QSize size = ui_->图片框2->size() - QSize(8, 8);
  setPhoto(Pictures::defaultPhoto(size, 2.0).toImage());
}

void ScoringPage::setPhoto(const QImage& photo) {
  photo_ = photo;
  if (photo_.isNull()) {
    ui_->图片框2->setPixmap(QPixmap());
    return;
  }
  const QSize box = ui_->图片框2->size() - QSize(8, 8);
  const qreal ratio = devicePixelRatioF();
  QPixmap shown = QPixmap::fromImage(photo_).scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  shown.setDevicePixelRatio(ratio);
  ui_->图片框2->setPixmap(shown);
}

void ScoringPage::setBusy(bool busy) {
  ui_->按钮9->setEnabled(!busy && scoringAvailable_);
  keepButton_->setEnabled(!busy && scoringAvailable_);
  ui_->按钮4->setEnabled(!busy && certificateAvailable_);
}

void ScoringPage::commandsReady() {
  scoringAvailable_ = true;
  certificateAvailable_ = true;
  for (QWidget* command :
       {static_cast<QWidget*>(ui_->按钮9), static_cast<QWidget*>(keepButton_), static_cast<QWidget*>(ui_->按钮4),
        static_cast<QWidget*>(ui_->按钮5), static_cast<QWidget*>(ui_->按钮6)}) {
    command->setEnabled(true);
    command->setToolTip(QString());
  }
}

QLineEdit* ScoringPage::surnameBox() const { return ui_->编辑框8; }
QLineEdit* ScoringPage::givenBox() const { return ui_->编辑框9; }
QPushButton* ScoringPage::scoreButton() const { return ui_->按钮9; }
QPushButton* ScoringPage::certificateButton() const { return ui_->按钮4; }
QPushButton* ScoringPage::addPhotoButton() const { return ui_->按钮5; }
QPushButton* ScoringPage::removePhotoButton() const { return ui_->按钮6; }
QLabel* ScoringPage::photoBox() const { return ui_->图片框2; }
QDateEdit* ScoringPage::dateBox() const { return ui_->农历日期框1; }
QLineEdit* ScoringPage::hourBox() const { return ui_->编辑框_时; }

}  // namespace quillan::app
