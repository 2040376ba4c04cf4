#include "app/GrowthWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/GrowthChartView.h"
#include "common/ScoreFormat.h"
#include "growth/EntryCheck.h"
#include "growth/MeasurementReading.h"
#include "growth/ScoreText.h"
#include "growthchart/GrowthChartFile.h"

namespace quillan::app {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

calendar::Date dateOf(const QDate& day) { return {day.year(), day.month(), day.day()}; }

QString scoreCell(const growth::IndicatorScore* score) {
  if (score == nullptr) {
    return {};
  }
  return QStringLiteral("P%1 (z %2)")
      .arg(text(growth::percentileText(score->percentile)), text(growth::zScoreText(score->z)));
}

QString valueCell(const std::optional<double>& value) { return value ? text(common::formatScore(*value)) : QString(); }

// A value box's number: empty is "not measured"; false when the text is no number.
bool readValue(const QLineEdit* box, std::optional<double>& value) {
  const QString entered = box->text().trimmed();
  if (entered.isEmpty()) {
    value.reset();
    return true;
  }
  bool ok = false;
  const double number = QLocale::c().toDouble(entered, &ok);
  if (ok) {
    value = number;
  }
  return ok;
}

QDateEdit* dateBox(const QString& name, QWidget* parent) {
  auto* box = new QDateEdit(parent);
  box->setObjectName(name);
  box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  box->setCalendarPopup(true);
  box->setMinimumDate(QDate(1900, 1, 1));
  return box;
}

QLineEdit* valueBox(const QString& name, const QString& placeholder, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setPlaceholderText(placeholder);
  return box;
}

QPushButton* button(const QString& caption, QWidget* parent) {
  auto* made = new QPushButton(caption, parent);
  made->setObjectName(QStringLiteral("按钮_") + caption);
  made->setAutoDefault(false);
  return made;
}

}  // namespace

GrowthWindow::GrowthWindow(growth::GrowthStandards standards, std::filesystem::path recordsFile,
                           growth::LoadedRecords records, const DialogHooks* hooks, std::function<QDate()> today,
                           QWidget* parent)
    : QDialog(parent),
      standards_(std::move(standards)),
      recordsFile_(std::move(recordsFile)),
      records_(std::move(records.records)),
      canSave_(records.canSave),
      hooks_(hooks),
      today_(std::move(today)) {
  setObjectName(QStringLiteral("窗口_生长曲线"));
  setWindowTitle(tr("生长曲线"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(1180, 760);

  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  layout->addLayout(left, 0);

  auto* childBox = new QGroupBox(tr("孩子"), this);
  auto* childForm = new QFormLayout(childBox);
  children_ = new QComboBox(childBox);
  children_->setObjectName(QStringLiteral("组合框_孩子"));
  childForm->addRow(tr("查看"), children_);
  name_ = valueBox(QStringLiteral("编辑框_孩子名字"), tr("例如 小宝"), childBox);
  childForm->addRow(tr("名字"), name_);
  sex_ = new QComboBox(childBox);
  sex_->setObjectName(QStringLiteral("组合框_性别"));
  sex_->addItem(text(growth::sexText(growth::Sex::Boy)), static_cast<int>(growth::Sex::Boy));
  sex_->addItem(text(growth::sexText(growth::Sex::Girl)), static_cast<int>(growth::Sex::Girl));
  childForm->addRow(tr("性别"), sex_);
  birth_ = dateBox(QStringLiteral("日期框_出生"), childBox);
  birth_->setDate(today_());
  childForm->addRow(tr("出生日期"), birth_);
  auto* childButtons = new QHBoxLayout;
  auto* addChildButton = button(tr("添加孩子"), childBox);
  auto* removeChildButton = button(tr("删除孩子"), childBox);
  childButtons->addWidget(addChildButton);
  childButtons->addWidget(removeChildButton);
  childForm->addRow(childButtons);
  left->addWidget(childBox);

  auto* measureBox = new QGroupBox(tr("测量"), this);
  auto* measureForm = new QFormLayout(measureBox);
  date_ = dateBox(QStringLiteral("日期框_测量"), measureBox);
  date_->setDate(today_());
  measureForm->addRow(tr("测量日期"), date_);
  weight_ = valueBox(QStringLiteral("编辑框_体重"), tr("千克，例如 7.9"), measureBox);
  measureForm->addRow(tr("体重（kg）"), weight_);
  length_ = valueBox(QStringLiteral("编辑框_身长"), tr("厘米；两岁前躺着量"), measureBox);
  measureForm->addRow(tr("身长/身高（cm）"), length_);
  head_ = valueBox(QStringLiteral("编辑框_头围"), tr("厘米"), measureBox);
  measureForm->addRow(tr("头围（cm）"), head_);
  auto* measureButtons = new QHBoxLayout;
  auto* addMeasurementButton = button(tr("添加测量"), measureBox);
  auto* removeMeasurementButton = button(tr("删除测量"), measureBox);
  measureButtons->addWidget(addMeasurementButton);
  measureButtons->addWidget(removeMeasurementButton);
  measureForm->addRow(measureButtons);
  left->addWidget(measureBox);

  auto* note = new QLabel(text(growth::notMedicalAdviceText() + "\n" + growth::whoAcknowledgement()), this);
  note->setObjectName(QStringLiteral("标签_说明"));
  note->setWordWrap(true);
  note->setMaximumWidth(320);
  left->addWidget(note);
  left->addStretch(1);

  auto* right = new QVBoxLayout;
  layout->addLayout(right, 1);
  auto* top = new QHBoxLayout;
  indicator_ = new QComboBox(this);
  indicator_->setObjectName(QStringLiteral("组合框_指标"));
  for (const growth::Indicator indicator : growth::kIndicators) {
    indicator_->addItem(text(growth::indicatorText(indicator)), static_cast<int>(indicator));
  }
  top->addWidget(new QLabel(tr("曲线"), this));
  top->addWidget(indicator_);
  top->addStretch(1);
  auto* copyButton = button(tr("复制结果"), this);
  auto* saveButton = button(tr("保存图表"), this);
  auto* closeButton = button(tr("关闭"), this);
  top->addWidget(copyButton);
  top->addWidget(saveButton);
  top->addWidget(closeButton);
  right->addLayout(top);

  chart_ = new GrowthChartView(this);
  chart_->setObjectName(QStringLiteral("画面_生长曲线"));
  right->addWidget(chart_, 3);

  table_ = new QTableWidget(0, 9, this);
  table_->setObjectName(QStringLiteral("表格_测量"));
  table_->setHorizontalHeaderLabels({tr("日期"), tr("月龄"), tr("体重 kg"), tr("体重百分位"), tr("身长 cm"),
                                     tr("身长百分位"), tr("头围 cm"), tr("头围百分位"), tr("身长别体重")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->hide();
  right->addWidget(table_, 2);
  // Ctrl+C in the list copies it, as the button does.
  auto* copyAction = new QAction(tr("复制结果"), table_);
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setShortcutContext(Qt::WidgetShortcut);
  table_->addAction(copyAction);
  connect(copyAction, &QAction::triggered, this, &GrowthWindow::copyResult);

  connect(addChildButton, &QPushButton::clicked, this, &GrowthWindow::addChild);
  connect(removeChildButton, &QPushButton::clicked, this, &GrowthWindow::removeChild);
  connect(addMeasurementButton, &QPushButton::clicked, this, &GrowthWindow::addMeasurement);
  connect(removeMeasurementButton, &QPushButton::clicked, this, &GrowthWindow::removeMeasurement);
  connect(copyButton, &QPushButton::clicked, this, &GrowthWindow::copyResult);
  connect(saveButton, &QPushButton::clicked, this, &GrowthWindow::saveChart);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  connect(children_, &QComboBox::currentIndexChanged, this, &GrowthWindow::refresh);
  connect(indicator_, &QComboBox::currentIndexChanged, this, &GrowthWindow::refresh);

  fillChildren({});
}

const growth::ChildRecord* GrowthWindow::currentChild() const {
  return records_.find(children_->currentText().toStdString());
}

void GrowthWindow::fillChildren(const QString& select) {
  const QSignalBlocker blocker(children_);
  children_->clear();
  for (const growth::ChildRecord& child : records_.children) {
    children_->addItem(text(child.name));
  }
  const int at = children_->findText(select);
  children_->setCurrentIndex(at >= 0 ? at : (children_->count() > 0 ? 0 : -1));
  refresh();
}

void GrowthWindow::refresh() {
  const growth::ChildRecord* child = currentChild();
  table_->setRowCount(0);
  if (child == nullptr) {
    chart_->setChart(std::nullopt);
    return;
  }
  const auto indicator = static_cast<growth::Indicator>(indicator_->currentData().toInt());
  chart_->setChart(growth::growthChart(standards_, *child, indicator));
  for (const growth::Measurement& m : child->measurements) {
    const auto reading = growth::readMeasurement(standards_, child->sex, child->birth, m);
    const QStringList cells{text(calendar::formatDate(m.date)),
                            text(growth::ageText(reading.age)),
                            valueCell(m.weightKg),
                            scoreCell(reading.score(growth::Indicator::WeightForAge)),
                            valueCell(m.lengthCm),
                            scoreCell(reading.score(growth::Indicator::LengthForAge)),
                            valueCell(m.headCm),
                            scoreCell(reading.score(growth::Indicator::HeadForAge)),
                            scoreCell(reading.score(growth::Indicator::WeightForLength))};
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
      table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
  }
}

QString GrowthWindow::resultText() const {
  const growth::ChildRecord* child = currentChild();
  if (child == nullptr) {
    return {};
  }
  QStringList lines{
      text(child->name + " " + growth::sexText(child->sex) + " 出生 " + calendar::formatDate(child->birth))};
  QStringList header;
  for (int column = 0; column < table_->columnCount(); ++column) {
    header << table_->horizontalHeaderItem(column)->text();
  }
  lines << header.join(QLatin1Char('\t'));
  for (int row = 0; row < table_->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table_->columnCount(); ++column) {
      cells << table_->item(row, column)->text();
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  lines << text(growth::notMedicalAdviceText());
  return lines.join(QLatin1Char('\n'));
}

void GrowthWindow::refuse(const QString& sentence) {
  hooks_->inform(this, tr("温馨提示"), sentence, DialogHooks::Tone::Plain);
}

bool GrowthWindow::commit(const growth::GrowthRecords& changed) {
  if (!canSave_) {
    hooks_->inform(this, tr("生长曲线"), tr("成长记录文件无法读取也无法移开，为了不覆盖它，这次不能保存改动。"),
                   DialogHooks::Tone::Warning);
    return false;
  }
  if (auto failure = growth::saveGrowthRecords(recordsFile_, changed)) {
    hooks_->inform(this, tr("生长曲线"),
                   tr("成长记录没能保存到 %1（%2），改动没有生效。").arg(text(recordsFile_.string()), text(*failure)),
                   DialogHooks::Tone::Warning);
    return false;
  }
  records_ = changed;
  return true;
}

void GrowthWindow::addChild() {
  growth::GrowthRecords changed = records_;
  const QString name = name_->text().trimmed();
  const auto sex = static_cast<growth::Sex>(sex_->currentData().toInt());
  if (auto refusal = growth::addChild(changed, name.toStdString(), sex, dateOf(birth_->date()), dateOf(today_()))) {
    refuse(text(*refusal));
    name_->setFocus();
    return;
  }
  if (commit(changed)) {
    name_->clear();
    fillChildren(name);
  }
}

void GrowthWindow::removeChild() {
  const growth::ChildRecord* child = currentChild();
  if (child == nullptr) {
    refuse(tr("还没有孩子的记录"));
    return;
  }
  if (!hooks_->confirm(this, tr("删除孩子"),
                       tr("删除“%1”和全部 %2 次测量记录？删除后不能恢复。")
                           .arg(text(child->name))
                           .arg(child->measurements.size()))) {
    return;
  }
  growth::GrowthRecords changed = records_;
  growth::removeChild(changed, child->name);
  if (commit(changed)) {
    fillChildren({});
  }
}

void GrowthWindow::addMeasurement() {
  const growth::ChildRecord* child = currentChild();
  if (child == nullptr) {
    refuse(tr("请先添加孩子"));
    name_->setFocus();
    return;
  }
  growth::Measurement entry{dateOf(date_->date()), {}, {}, {}};
  for (const auto& [box, value] :
       {std::pair{weight_, &entry.weightKg}, std::pair{length_, &entry.lengthCm}, std::pair{head_, &entry.headCm}}) {
    if (!readValue(box, *value)) {
      refuse(tr("请输入数字，例如 7.9（体重用千克，身长和头围用厘米）"));
      box->setFocus();
      return;
    }
  }
  if (auto refusal = growth::checkMeasurement(standards_, *child, entry, dateOf(today_()))) {
    refuse(text(*refusal));
    weight_->setFocus();
    return;
  }
  growth::GrowthRecords changed = records_;
  growth::putMeasurement(*changed.find(child->name), entry);
  if (commit(changed)) {
    weight_->clear();
    length_->clear();
    head_->clear();
    refresh();
  }
}

void GrowthWindow::removeMeasurement() {
  const growth::ChildRecord* child = currentChild();
  const int row = table_->currentRow();
  if (child == nullptr || row < 0 || row >= static_cast<int>(child->measurements.size())) {
    refuse(tr("请先在列表里选中要删除的测量"));
    return;
  }
  const calendar::Date day = child->measurements[static_cast<std::size_t>(row)].date;
  if (!hooks_->confirm(this, tr("删除测量"),
                       tr("删除 %1 的这次测量？删除后不能恢复。").arg(text(calendar::formatDate(day))))) {
    return;
  }
  growth::GrowthRecords changed = records_;
  growth::removeMeasurement(*changed.find(child->name), day);
  if (commit(changed)) {
    refresh();
  }
}

void GrowthWindow::copyResult() {
  if (currentChild() == nullptr) {
    refuse(tr("还没有可以复制的结果"));
    return;
  }
  QApplication::clipboard()->setText(resultText());
}

void GrowthWindow::saveChart() {
  if (!chart_->chart()) {
    refuse(tr("请先添加孩子"));
    return;
  }
  QString filter;
  const QString pngFilter = tr("PNG 图片 (*.png)");
  const QString pdfFilter = tr("PDF 文件 (*.pdf)");
  QString path =
      hooks_->saveFileNameWithFilter(this, tr("保存生长曲线"), children_->currentText() + QStringLiteral(".png"),
                                     pngFilter + QStringLiteral(";;") + pdfFilter, &filter);
  if (path.isEmpty()) {
    return;
  }
  const QString ending = QFileInfo(path).suffix().toLower();
  if (ending != QStringLiteral("png") && ending != QStringLiteral("pdf")) {
    path += filter == pdfFilter ? QStringLiteral(".pdf") : QStringLiteral(".png");
  }
  if (auto failure = growthchart::saveGrowthChart(path, *chart_->chart())) {
    hooks_->inform(this, tr("生长曲线"), tr("图表没能保存：%1").arg(*failure), DialogHooks::Tone::Warning);
  }
}

}  // namespace quillan::app
