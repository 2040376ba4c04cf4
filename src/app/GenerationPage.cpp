#include "app/GenerationPage.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <variant>

#include "app/BirthDateBoxes.h"
#include "app/ChineseInputFilter.h"
#include "app/ResultFilterBar.h"
#include "app/ResultFilterProxy.h"
#include "app/ResultListModel.h"
#include "app/StatusHints.h"
#include "bazi/ChartText.h"
#include "generate/BirthdayChart.h"
#include "generate/GenerationMessages.h"
#include "generate/ResultExport.h"
#include "ui_GenerationPage.h"

namespace quillan::app {

using generate::GenerationCharOption;
using generate::NicknamePattern;

GenerationPage::GenerationPage(const DialogHooks* hooks, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::GenerationPage>()),
      hooks_(hooks),
      results_(new ResultListModel(this)),
      shown_(new ResultFilterProxy(results_, this)),
      filterBar_(nullptr) {
  ui_->setupUi(this);

  // Nothing is selected until start-up sets the defaults.
  // The combo items carry what they mean; the texts are only shown.
  ui_->组合框_个数->setItemData(0, QVariant::fromValue(generate::NameLength::Two));
  ui_->组合框_个数->setItemData(1, QVariant::fromValue(generate::NameLength::Three));
  ui_->组合框_生日->setItemData(0, true);   // "生日": the date is known
  ui_->组合框_生日->setItemData(1, false);  // "未知"
  ui_->组合框_个数->setCurrentIndex(-1);
  ui_->组合框_生日->setCurrentIndex(-1);
  birthDate_ = new BirthDateBoxes(ui_->组合框_年, ui_->组合框_月, ui_->组合框_日, ui_->组合框_时, this);

  for (QWidget* panel : {static_cast<QWidget*>(ui_->分组框6), static_cast<QWidget*>(ui_->分组框7),
                         static_cast<QWidget*>(ui_->分组框8)}) {
    panel->hide();
  }
  ui_->透明标签_进度->hide();
  ui_->进度条1->hide();
  connect(ui_->编辑框_避开字, &QLineEdit::editingFinished, this, &GenerationPage::readAvoidanceBoxes);
  connect(ui_->编辑框_避开音, &QLineEdit::editingFinished, this, &GenerationPage::readAvoidanceBoxes);

  filterBar_ = new ResultFilterBar(this);
  ui_->结果栏布局->insertWidget(ui_->结果栏布局->indexOf(ui_->结果区), filterBar_);
  // The birth chart of the selected birthday, in one line above the list.
  chartLine_ = new QLabel(this);
  chartLine_->setObjectName(QStringLiteral("标签_八字"));
  chartLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  chartLine_->hide();
  ui_->结果栏布局->insertWidget(ui_->结果栏布局->indexOf(filterBar_), chartLine_);
  for (QComboBox* box : {ui_->组合框_生日, ui_->组合框_年, ui_->组合框_月, ui_->组合框_日, ui_->组合框_时}) {
    connect(box, &QComboBox::currentTextChanged, this, &GenerationPage::showBirthChart);
  }

  auto* view = ui_->超级列表框1;
  view->setModel(shown_);
  // No order until a header is clicked: the list as the run made it.
  view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  view->setSortingEnabled(true);
  view->setColumnHidden(ResultListModel::kEuphonyColumn, true);
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(30);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setStretchLastSection(true);
  const int widths[ResultListModel::kColumns] = {64, 110, 90, 190, 190, 100, 90, 70};
  for (int column = 0; column < ResultListModel::kColumns; ++column) {
    view->setColumnWidth(column, widths[column]);
  }

  // 编辑框4 shows the export file's header, as the window always has; both come from exportHeader.
  auto* header = new QPlainTextEdit(this);
  header->setObjectName(QStringLiteral("编辑框4"));
  header->setReadOnly(true);
  QString headerText = QString::fromStdString(generate::exportHeader());
  headerText.chop(2);  // no line break after the third line
  header->setPlainText(headerText);
  header->hide();

  new ChineseInputFilter(ui_->编辑框1, tr("姓氏只能是中文汉字"), hooks_);
  new ChineseInputFilter(ui_->编辑框2, tr("名字只能是中文汉字"), hooks_);
  new ChineseInputFilter(ui_->编辑框3, tr("名字只能是中文汉字"), hooks_);
  new ChineseInputFilter(ui_->编辑框5, tr("只能输入中文汉字"), hooks_);

  connect(ui_->组合框_个数, &QComboBox::currentIndexChanged, this, &GenerationPage::applyNameLengthRule);
  connect(ui_->组合框_生日, &QComboBox::currentIndexChanged, this, &GenerationPage::applyBirthdayRule);

  connect(ui_->单选框_经典模式, &QRadioButton::clicked, this, [this] {
    ui_->分组框7->hide();
    ui_->分组框8->hide();
  });
  connect(ui_->单选框_高分模式, &QRadioButton::clicked, this, [this] {
    ui_->分组框7->hide();
    ui_->分组框8->hide();
  });
  connect(ui_->单选框_自选模式, &QRadioButton::clicked, this, [this] {
    ui_->分组框8->hide();
    showPanel(ui_->分组框7);
  });
  connect(ui_->单选框_起小名, &QRadioButton::clicked, this, [this] {
    ui_->分组框7->hide();
    patternRadio(nicknamePattern_)->setChecked(true);
    showPanel(ui_->分组框8);
  });
  connect(ui_->按钮_自选, &QPushButton::clicked, ui_->分组框7, &QWidget::hide);
  connect(ui_->按钮_自选1, &QPushButton::clicked, this, [this] {
    for (auto pattern : {NicknamePattern::AA, NicknamePattern::XiaoA, NicknamePattern::AEr}) {
      if (patternRadio(pattern)->isChecked()) {
        nicknamePattern_ = pattern;
      }
    }
    ui_->分组框8->hide();
  });
  connect(ui_->按钮_设置, &QPushButton::clicked, this, [this] {
    optionRadio(generationCharSetting_)->setChecked(true);
    showPanel(ui_->分组框6);
  });
  connect(ui_->按钮3, &QPushButton::clicked, this, [this] {
    for (auto option : {GenerationCharOption::None, GenerationCharOption::Second, GenerationCharOption::Third}) {
      if (optionRadio(option)->isChecked()) {
        generationCharSetting_ = option;
      }
    }
    ui_->分组框6->hide();
  });

  connect(ui_->按钮_生成, &QPushButton::clicked, this, &GenerationPage::generateRequested);
  connect(ui_->按钮_导出, &QPushButton::clicked, this, &GenerationPage::exportRequested);
  connect(ui_->按钮2, &QPushButton::clicked, this, &GenerationPage::bannerClicked);
  connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!busy_ && index.isValid()) {
      emit rowActivated(shown_->sourceRow(index.row()));
    }
  });

  // "加入备选名单": a button, the list's context menu and Ctrl+D on the list.
  auto* keep = new QPushButton(tr("加入备选名单"), this);
  keep->setObjectName(QStringLiteral("按钮_加入备选"));
  filterBar_->addCommand(keep);
  auto* keepAction = new QAction(tr("加入备选名单"), view);
  keepAction->setObjectName(QStringLiteral("动作_加入备选"));
  keepAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  keepAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  view->addAction(keepAction);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(keep, &QPushButton::clicked, this, &GenerationPage::shortlistCurrent);
  connect(keepAction, &QAction::triggered, this, &GenerationPage::shortlistCurrent);

  connect(filterBar_, &ResultFilterBar::filterChanged, this, [this] { shown_->setRowFilter(filterBar_->filter()); });
  connect(results_, &ResultListModel::euphonyShown, this, [this, view](bool shown) {
    view->setColumnHidden(ResultListModel::kEuphonyColumn, !shown);
    filterBar_->setEuphonyShown(shown);
    shown_->setRowFilter(filterBar_->filter());
  });
  connect(shown_, &QAbstractItemModel::rowsInserted, this, &GenerationPage::showCounts);
  connect(shown_, &QAbstractItemModel::rowsRemoved, this, &GenerationPage::showCounts);
  connect(shown_, &QAbstractItemModel::modelReset, this, &GenerationPage::showCounts);
  connect(shown_, &QAbstractItemModel::layoutChanged, this, &GenerationPage::showCounts);
}

GenerationPage::~GenerationPage() = default;

void GenerationPage::listsLoaded() {
  listsReady_ = true;
  ui_->按钮_生成->setEnabled(!busy_);
  ui_->标签_载入->hide();
}

void GenerationPage::fillBirthDate(const QDate& today, const QTime& now) {
  birthDate_->fill(today, now);
  if (ui_->组合框_个数->currentIndex() < 0) {
    ui_->组合框_个数->setCurrentIndex(1);
  }
  if (ui_->组合框_生日->currentIndex() < 0) {
    ui_->组合框_生日->setCurrentIndex(0);
  }
}

void GenerationPage::registerHints(StatusHints& hints) {
  hints.add(ui_->单选框_经典模式,
            tr("经典模式：每点击一次<生成>按钮可生成100个名字，从低分名到高分名应有尽有数量巨大"));
  hints.add(ui_->单选框_高分模式,
            tr("高分模式：一键生成上万个全部为95分以上高质量的名字【为了查找方便生成的名字都按辈份字归类】"));
  hints.add(ui_->单选框_自选模式, tr("自选模式：想生成什么字的名字组合全部由你决定"));
  hints.add(ui_->单选框_起小名, tr("起小名：给宝宝起一个好听顺口的小名"));
  hints.add(ui_->单选框_普通算法, tr("普通算法：使用本算法可生成几十万名字，不用再为找不到满意的名字而发愁"));
  hints.add(ui_->单选框_高级算法, tr("高级算法：软件内部使用特殊算法计算，生成更加好听顺口易记的高质量名字"));
  hints.add(ui_->编辑框_避开字, tr("要避开的字：如长辈名字里的字，两种算法生成的名字都不会用到它们"));
  hints.add(ui_->编辑框_避开音, tr("要避开的读音：用拼音写，逗号隔开，不论声调，如 guo,hua"));
  hints.add(ui_->超级列表框1, tr("双击列表可查看名字详细评分说明"));
  // The list's viewport receives the pointer, not the view itself.
  hints.add(ui_->超级列表框1->viewport(), tr("双击列表可查看名字详细评分说明"));
  hints.add(ui_->按钮2, hints.defaultText());
}

generate::GenerationRequest GenerationPage::request() const {
  using namespace generate;
  GenerationRequest request;
  request.surname = ui_->编辑框1->text().toStdString();
  request.gender = ui_->单选框_男->isChecked() ? chars::Gender::Boy : chars::Gender::Girl;
  request.nameLength = ui_->组合框_个数->currentData().value<NameLength>();
  request.birthday = {ui_->组合框_生日->currentText().toStdString(), ui_->组合框_年->currentText().toStdString(),
                      ui_->组合框_月->currentText().toStdString(), ui_->组合框_日->currentText().toStdString(),
                      ui_->组合框_时->currentText().toStdString()};
  if (ui_->单选框_经典模式->isChecked()) {
    request.mode = GenerationMode::Classic;
  } else if (ui_->单选框_高分模式->isChecked()) {
    request.mode = GenerationMode::HighScore;
  } else if (ui_->单选框_自选模式->isChecked()) {
    request.mode = GenerationMode::SelfChosen;
  } else {
    request.mode = GenerationMode::Nickname;
  }
  request.algorithm = ui_->单选框_普通算法->isChecked() ? Algorithm::Normal : Algorithm::Advanced;
  // The radios count as they stand, confirmed or not; the panel's "确定" only remembers them.
  if (ui_->单选框_设2->isChecked()) {
    request.generationCharOption = GenerationCharOption::Second;
  } else if (ui_->单选框_设3->isChecked()) {
    request.generationCharOption = GenerationCharOption::Third;
  } else {
    request.generationCharOption = GenerationCharOption::None;
  }
  request.secondCharText = ui_->编辑框2->text().toStdString();
  request.thirdCharText = ui_->编辑框3->text().toStdString();
  request.selfChosenText = ui_->编辑框5->text().toStdString();
  request.nicknamePattern = nicknamePattern_;
  request.avoidance = avoidance_;
  return request;
}

std::optional<bazi::BirthChart> GenerationPage::birthdayChart() const {
  return generate::birthdayChart(
      {ui_->组合框_生日->currentText().toStdString(), ui_->组合框_年->currentText().toStdString(),
       ui_->组合框_月->currentText().toStdString(), ui_->组合框_日->currentText().toStdString(),
       ui_->组合框_时->currentText().toStdString()});
}

void GenerationPage::showBirthChart() {
  const auto chart = birthdayChart();
  chartLine_->setVisible(chart.has_value());
  if (chart) {
    chartLine_->setText(QString::fromStdString(bazi::chartLine(*chart)));
    chartLine_->setToolTip(QString::fromStdString(bazi::reasonSentence(*chart)));
  }
}

void GenerationPage::setAvoidance(quality::UserAvoidance avoidance) {
  avoidance_ = std::move(avoidance);
  ui_->编辑框_避开字->setText(QString::fromStdString(avoidance_.charactersText()));
  ui_->编辑框_避开音->setText(QString::fromStdString(avoidance_.soundsText()));
}

void GenerationPage::readAvoidanceBoxes() {
  auto parsed =
      quality::parseUserAvoidance(ui_->编辑框_避开字->text().toStdString(), ui_->编辑框_避开音->text().toStdString());
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    const quality::UserAvoidance kept = avoidance_;
    setAvoidance(kept);
    hooks_->inform(this, tr("温馨提示"), QString::fromStdString(*problem), DialogHooks::Tone::Warning);
    return;
  }
  auto avoidance = std::get<quality::UserAvoidance>(std::move(parsed));
  if (avoidance == avoidance_) {
    return;
  }
  setAvoidance(std::move(avoidance));
  emit avoidanceChanged(avoidance_);
}

QWidget* GenerationPage::boxForRefusal(generate::RequestProblem problem) const {
  switch (problem) {
    case generate::RequestProblem::EnterGenerationChar:
      return ui_->单选框_设3->isChecked() ? ui_->编辑框3 : ui_->编辑框2;
    case generate::RequestProblem::EnterSelfChosen:
    case generate::RequestProblem::SelfChosenNotChinese:
      return ui_->编辑框5;
    case generate::RequestProblem::EnterSurname:
    case generate::RequestProblem::SurnameNotChinese:
    case generate::RequestProblem::SurnameLength:
    case generate::RequestProblem::EmptyList:
      break;
  }
  return ui_->编辑框1;
}

QRadioButton* GenerationPage::patternRadio(NicknamePattern pattern) const {
  switch (pattern) {
    case NicknamePattern::XiaoA:
      return ui_->单选框_小A;
    case NicknamePattern::AEr:
      return ui_->单选框_A儿;
    case NicknamePattern::AA:
      break;
  }
  return ui_->单选框_AA;
}

QRadioButton* GenerationPage::optionRadio(GenerationCharOption option) const {
  switch (option) {
    case GenerationCharOption::Second:
      return ui_->单选框_设2;
    case GenerationCharOption::Third:
      return ui_->单选框_设3;
    case GenerationCharOption::None:
      break;
  }
  return ui_->单选框_不设;
}

void GenerationPage::shortlistCurrent() {
  const QModelIndex current = ui_->超级列表框1->currentIndex();
  if (!current.isValid()) {
    hooks_->inform(this, tr("温馨提示"), tr("请先在列表中选中一个名字"), DialogHooks::Tone::Plain);
    return;
  }
  emit shortlistRequested(shown_->sourceRow(current.row()));
}

void GenerationPage::showCounts() { filterBar_->showCounts(shown_->rowCount(), results_->rowCount()); }

void GenerationPage::runBegins(generate::GenerationMode mode, int surnameChars) {
  results_->clear();
  results_->setSurnameChars(surnameChars);
  shown_->setRowFilter(filterBar_->filter());
  ui_->图片框_介绍->hide();
  if (mode == generate::GenerationMode::HighScore || mode == generate::GenerationMode::SelfChosen) {
    ui_->组合框_个数->setCurrentIndex(1);
    ui_->按钮_设置->setEnabled(true);
  }
}

void GenerationPage::showProgress(const QString& label, int range, int position) {
  if (!ui_->进度条1->isVisible()) {
    ui_->透明标签_广告->hide();
    ui_->透明标签_进度->show();
    ui_->进度条1->show();
  }
  ui_->透明标签_进度->setText(label);
  ui_->进度条1->setRange(0, range);
  ui_->进度条1->setValue(position);
}

void GenerationPage::hideProgress() {
  ui_->透明标签_进度->hide();
  ui_->进度条1->hide();
  ui_->透明标签_广告->show();
}

QPushButton* GenerationPage::generateButton() const { return ui_->按钮_生成; }
QPushButton* GenerationPage::exportButton() const { return ui_->按钮_导出; }
QTableView* GenerationPage::resultView() const { return ui_->超级列表框1; }

void GenerationPage::setBusy(bool busy) {
  busy_ = busy;
  ui_->按钮_生成->setEnabled(!busy && listsReady_);
  ui_->按钮_导出->setEnabled(!busy);
}

void GenerationPage::showPanel(QWidget* panel) {
  panel->show();
  panel->raise();
}

void GenerationPage::applyNameLengthRule(int index) {
  // "设置" places a generation character, which only "三字" names have room for.
  ui_->按钮_设置->setEnabled(index < 0 || ui_->组合框_个数->itemData(index).value<generate::NameLength>() !=
                                              generate::NameLength::Two);
}

void GenerationPage::applyBirthdayRule(int index) {
  const bool known = index < 0 || ui_->组合框_生日->itemData(index).toBool();
  for (QWidget* box : {ui_->组合框_年, ui_->组合框_月, ui_->组合框_日, ui_->组合框_时}) {
    box->setEnabled(known);
  }
}

}  // namespace quillan::app
