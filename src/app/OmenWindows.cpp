#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/FolkWindows.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "folk/Hours.h"

namespace quillan::app {
namespace {

struct OmenNames {
  const char* objectName;
  const char* title;
  const char* sign;  // what the user feels, for the result's heading
};

OmenNames namesOf(folk::Omen omen) {
  switch (omen) {
    case folk::Omen::EarRinging:
      return {"窗口_耳鸣预测", "耳鸣预测", "耳鸣"};
    case folk::Omen::FaceHeat:
      return {"窗口_面热预测", "面热预测", "面热"};
    case folk::Omen::HeartStart:
      return {"窗口_心惊预测", "心惊预测", "心惊"};
    case folk::Omen::EyeTwitch:
      break;
  }
  return {"窗口_眼跳预测", "眼跳预测", "眼跳"};
}

}  // namespace

PastimeWindow* makeOmenWindow(folk::Omen omen, int startBranch, const DialogHooks* hooks, QWidget* parent) {
  const OmenNames names = namesOf(omen);
  auto* window = new PastimeWindow(
      QString::fromUtf8(names.objectName), QObject::tr(names.title),
      QObject::tr("耳鸣、眼跳、面热、心惊随时辰而论，是流传很广的民间说法，这里收录的是我们自己写的趣味解读，"
                  "仅供娱乐，不是预测。身体若一直不适，请去看医生。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* hourLabel = new QLabel(QObject::tr("时辰"), window);
  row->addWidget(hourLabel);
  auto* branch = addBranchBox(window, row, startBranch);
  hourLabel->setBuddy(branch);
  QComboBox* side = nullptr;
  if (folk::omenHasSides(omen)) {
    side = new QComboBox(window);
    side->setObjectName(QStringLiteral("组合框_左右"));
    side->addItem(QObject::tr("左"), static_cast<int>(folk::Side::Left));
    side->addItem(QObject::tr("右"), static_cast<int>(folk::Side::Right));
    row->addWidget(side);
  }
  auto* show = addRunButton(window, row, QObject::tr("查看"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const int b = branch->currentData().toInt();
    const auto chosen = side == nullptr ? folk::Side::Left : static_cast<folk::Side>(side->currentData().toInt());
    const QString heading = side == nullptr ? QObject::tr(names.sign) : side->currentText() + QObject::tr(names.sign);
    window->showResult(
        QStringLiteral("<h3>%1 · %2</h3><p>%3</p>")
            .arg(htmlText(folk::hourSpanText(b)), heading.toHtmlEscaped(), htmlText(folk::omenText(omen, b, chosen))));
  });
  return window;
}

PastimeWindow* makeFingerprintWindow(const DialogHooks* hooks, QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_指纹预测"), QObject::tr("指纹预测"),
      QObject::tr("数一数十个手指上有几个斗（圆形的指纹），老辈人有一套顺口的说法。这里是我们自己写的趣味解读，"
                  "指纹只是皮肤的纹路，说不出一个人的将来。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* whorls = addLabelled(row, QObject::tr("十个手指上斗的个数"), new QSpinBox(window));
  whorls->setObjectName(QStringLiteral("数字框_斗数"));
  whorls->setRange(0, 10);
  whorls->setValue(5);
  auto* show = addRunButton(window, row, QObject::tr("查看"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const int count = whorls->value();
    window->showResult(QObject::tr("<h3>%1个斗，%2个簸箕</h3><p>%3</p>")
                           .arg(count)
                           .arg(10 - count)
                           .arg(htmlText(folk::fingerprintText(count))));
  });
  return window;
}

}  // namespace quillan::app
