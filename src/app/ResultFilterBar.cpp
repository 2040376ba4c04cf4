#include "app/ResultFilterBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "common/TextSplit.h"

namespace quillan::app {
namespace {

template <typename T>
T* named(T* widget, const char* name) {
  widget->setObjectName(QString::fromUtf8(name));
  return widget;
}

// The characters of a box, whatever separates them.
std::vector<std::string> charactersOf(const QString& text) {
  std::vector<std::string> characters;
  for (std::string& character : common::splitCharacters(text.toStdString())) {
    if (character.size() > 1) {  // separators and blanks are ASCII
      characters.push_back(std::move(character));
    }
  }
  return characters;
}

}  // namespace

ResultFilterBar::ResultFilterBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("筛选栏"));
  auto* layout = new QGridLayout(this);
  layout->setObjectName(QStringLiteral("筛选栏布局"));
  layout->setContentsMargins(0, 0, 0, 0);

  minScore_ = named(new QDoubleSpinBox(this), "数字框_最低分");
  minScore_->setRange(0, 100);
  minScore_->setDecimals(1);
  minScore_->setSingleStep(1);
  minScore_->setSpecialValueText(tr("不限"));
  contain_ = named(new QLineEdit(this), "编辑框_包含");
  contain_->setMaxLength(1);
  contain_->setPlaceholderText(tr("一个字"));
  position_ = named(new QComboBox(this), "组合框_包含位置");
  position_->addItems({tr("任意位置"), tr("名字第一字"), tr("名字第二字")});
  exclude_ = named(new QLineEdit(this), "编辑框_排除");
  exclude_->setPlaceholderText(tr("不要的字"));
  search_ = named(new QLineEdit(this), "编辑框_搜索");
  search_->setPlaceholderText(tr("搜索名字或拼音"));
  search_->setClearButtonEnabled(true);

  auto* elementsRow = new QHBoxLayout;
  elementsRow->setObjectName(QStringLiteral("五行筛选布局"));
  for (const char* element : {"木", "火", "土", "金", "水"}) {
    auto* box = new QCheckBox(QString::fromUtf8(element), this);
    box->setObjectName(QStringLiteral("复选框_") + QString::fromUtf8(element));
    elements_.push_back(box);
    elementsRow->addWidget(box);
  }
  talents_ = named(new QCheckBox(tr("三才皆吉"), this), "复选框_三才皆吉");
  elementsRow->addWidget(talents_);
  favourable_ = named(new QCheckBox(tr("只看补喜用神的名字"), this), "复选框_补喜用神");
  favourable_->setToolTip(tr("高级算法、生日已知时：名字里至少一个字的字意五行是八字的用神或喜神"));
  elementsRow->addWidget(favourable_);
  euphonyLabel_ = named(new QLabel(tr("最低音律"), this), "标签_最低音律");
  minEuphony_ = named(new QSpinBox(this), "数字框_最低音律");
  minEuphony_->setRange(0, 100);
  minEuphony_->setSpecialValueText(tr("不限"));
  elementsRow->addWidget(euphonyLabel_);
  elementsRow->addWidget(minEuphony_);
  elementsRow->addStretch(1);
  auto* clear = named(new QPushButton(tr("清除筛选"), this), "按钮_清除筛选");
  counts_ = named(new QLabel(this), "标签_显示数");

  layout->addWidget(new QLabel(tr("最低分"), this), 0, 0);
  layout->addWidget(minScore_, 0, 1);
  layout->addWidget(new QLabel(tr("包含"), this), 0, 2);
  layout->addWidget(contain_, 0, 3);
  layout->addWidget(position_, 0, 4);
  layout->addWidget(new QLabel(tr("排除"), this), 0, 5);
  layout->addWidget(exclude_, 0, 6);
  layout->addWidget(search_, 0, 7);
  layout->addLayout(elementsRow, 1, 0, 1, 7);
  layout->addWidget(clear, 1, 7);
  layout->addWidget(counts_, 0, 8);
  layout->setColumnStretch(7, 1);
  setEuphonyShown(false);
  showCounts(0, 0);

  const auto changed = [this] {
    if (!clearing_) {
      emit filterChanged();
    }
  };
  connect(minScore_, &QDoubleSpinBox::valueChanged, this, changed);
  connect(minEuphony_, &QSpinBox::valueChanged, this, changed);
  connect(contain_, &QLineEdit::textChanged, this, changed);
  connect(position_, &QComboBox::currentIndexChanged, this, changed);
  connect(exclude_, &QLineEdit::textChanged, this, changed);
  connect(search_, &QLineEdit::textChanged, this, changed);
  connect(talents_, &QCheckBox::toggled, this, changed);
  connect(favourable_, &QCheckBox::toggled, this, changed);
  for (QCheckBox* box : elements_) {
    connect(box, &QCheckBox::toggled, this, changed);
  }
  connect(clear, &QPushButton::clicked, this, &ResultFilterBar::clearFilter);
}

resultview::RowFilter ResultFilterBar::filter() const {
  resultview::RowFilter filter;
  if (minScore_->value() > minScore_->minimum()) {
    filter.minScore = minScore_->value();
  }
  const auto contained = charactersOf(contain_->text());
  if (!contained.empty()) {
    filter.mustContain = contained.front();
    filter.containPosition = position_->currentIndex();
  }
  filter.exclude = charactersOf(exclude_->text());
  for (QCheckBox* box : elements_) {
    if (box->isChecked()) {
      filter.elements.push_back(box->text().toStdString());
    }
  }
  filter.auspiciousTalents = talents_->isChecked();
  filter.favourableOnly = favourable_->isChecked();
  if (!minEuphony_->isHidden() && minEuphony_->value() > minEuphony_->minimum()) {
    filter.minEuphony = minEuphony_->value();
  }
  filter.search = search_->text().trimmed().toStdString();
  return filter;
}

void ResultFilterBar::clearFilter() {
  clearing_ = true;
  minScore_->setValue(minScore_->minimum());
  minEuphony_->setValue(minEuphony_->minimum());
  contain_->clear();
  position_->setCurrentIndex(0);
  exclude_->clear();
  search_->clear();
  talents_->setChecked(false);
  favourable_->setChecked(false);
  for (QCheckBox* box : elements_) {
    box->setChecked(false);
  }
  clearing_ = false;
  emit filterChanged();
}

void ResultFilterBar::showCounts(int shown, int total) {
  counts_->setText(tr("显示 %1 / 共 %2 个").arg(shown).arg(total));
}

void ResultFilterBar::addCommand(QWidget* button) { static_cast<QGridLayout*>(layout())->addWidget(button, 1, 8); }

void ResultFilterBar::setEuphonyShown(bool shown) {
  euphonyLabel_->setVisible(shown);
  minEuphony_->setVisible(shown);
}

}  // namespace quillan::app
