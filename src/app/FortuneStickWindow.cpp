#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "app/PastimeWindow.h"
#include "app/PastimeWindows.h"
#include "common/RandomGenerator.h"

namespace quillan::app {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The tube is shaken for a moment, numbers flickering, before one stick falls out.
constexpr int kShakeTicks = 8;
constexpr int kShakeIntervalMs = 60;

}  // namespace

PastimeWindow* makeFortuneStickWindow(std::vector<pastime::FortuneStick> sticks, const DialogHooks* hooks,
                                      QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_求签"), QObject::tr("求签"),
      QObject::tr("求签是民间习俗，这里只是模仿摇签筒的乐趣。签是随机落下的，签诗和解签都是本程序自己写的，"
                  "不来自任何寺庙，也不预示任何事情，看个心情就好。"),
      parent, hooks);
  auto* shake = new QPushButton(QObject::tr("摇签"), window);
  shake->setObjectName(QStringLiteral("按钮_摇签"));
  shake->setDefault(true);
  auto* tube = new QLabel(QObject::tr("心里想着一件事，按“摇签”。"), window);
  tube->setObjectName(QStringLiteral("标签_签筒"));
  window->inputs()->addWidget(tube);
  window->inputs()->addWidget(shake);

  auto* timer = new QTimer(window);
  timer->setInterval(kShakeIntervalMs);
  auto state = std::make_shared<std::pair<common::RandomGenerator, int>>();
  auto all = std::make_shared<std::vector<pastime::FortuneStick>>(std::move(sticks));

  QObject::connect(shake, &QPushButton::clicked, window, [=] {
    // A fresh seed from the clock at every shake: nothing the user types or chooses picks the stick.
    state->first.seed(common::RandomGenerator::tickSeed());
    state->second = 0;
    shake->setEnabled(false);
    timer->start();
  });
  QObject::connect(timer, &QTimer::timeout, window, [=] {
    const pastime::FortuneStick& stick = pastime::drawStick(*all, state->first);
    if (++state->second < kShakeTicks) {
      tube->setText(QObject::tr("摇签中…… 第 %1 签").arg(stick.number));
      return;
    }
    timer->stop();
    shake->setEnabled(true);
    tube->setText(QObject::tr("落下一支：第 %1 签").arg(stick.number));
    window->showResult(QStringLiteral("<h2>第 %1 签 · %2</h2><p><b>%3</b></p><p>%4</p>")
                           .arg(QString::number(stick.number), text(stick.grade), text(stick.title).toHtmlEscaped(),
                                text(stick.text).toHtmlEscaped()));
  });
  return window;
}

}  // namespace quillan::app
