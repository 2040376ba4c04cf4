#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/PastimeWindow.h"
#include "app/PastimeWindows.h"

namespace quillan::app {

namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QComboBox* animalBox(const QString& name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (std::size_t i = 0; i < pastime::kZodiacAnimals.size(); ++i) {
    box->addItem(text(pastime::kZodiacAnimals[i]) + QStringLiteral("（") + text(pastime::kEarthlyBranches[i]) +
                 QStringLiteral("）"));
  }
  return box;
}

QSpinBox* yearBox(const QString& name, int thisYear, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(1900, 2100);
  box->setValue(thisYear);
  box->setToolTip(QObject::tr("生肖年从春节开始：一月或二月初出生的，可能属上一年的生肖，请按实际生肖选择。"));
  return box;
}

}  // namespace

PastimeWindow* makeZodiacPairWindow(std::vector<pastime::ZodiacPair> pairs, int thisYear, const DialogHooks* hooks,
                                    QWidget* parent) {
  auto* window =
      new PastimeWindow(QStringLiteral("窗口_生肖配对"), QObject::tr("生肖配对"),
                        QObject::tr("生肖配对是民间习俗，六合、三合、相冲、相害、相刑都是地支的传统说法，仅供娱乐。"
                                    "两个人相处得好不好，靠的是彼此的理解和用心，而不是生肖。"),
                        parent, hooks);
  auto* grid = new QGridLayout;
  const QString captions[] = {QObject::tr("甲"), QObject::tr("乙")};
  QComboBox* animals[2];
  for (int i = 0; i < 2; ++i) {
    auto* year = yearBox(QStringLiteral("数字框_出生年") + captions[i], thisYear, window);
    animals[i] = animalBox(QStringLiteral("组合框_生肖") + captions[i], window);
    animals[i]->setCurrentIndex(pastime::animalOfYear(thisYear));
    grid->addWidget(new QLabel(captions[i] + QObject::tr("的出生年"), window), i, 0);
    grid->addWidget(year, i, 1);
    grid->addWidget(new QLabel(QObject::tr("生肖"), window), i, 2);
    grid->addWidget(animals[i], i, 3);
    QComboBox* animal = animals[i];
    QObject::connect(year, &QSpinBox::valueChanged, animal,
                     [animal](int value) { animal->setCurrentIndex(pastime::animalOfYear(value)); });
  }
  auto* match = new QPushButton(QObject::tr("配对"), window);
  match->setObjectName(QStringLiteral("按钮_配对"));
  match->setDefault(true);
  grid->addWidget(match, 0, 4, 2, 1);
  window->inputs()->addLayout(grid);

  QComboBox* first = animals[0];
  QComboBox* second = animals[1];
  QObject::connect(match, &QPushButton::clicked, window, [=, pairs = std::move(pairs)] {
    const int a = first->currentIndex();
    const int b = second->currentIndex();
    const pastime::ZodiacPair& pair = pastime::pairOf(pairs, a, b);
    window->showResult(QStringLiteral("<h2>%1 与 %2</h2><p>民俗关系：%3</p><p>%4</p>")
                           .arg(text(pastime::kZodiacAnimals[static_cast<std::size_t>(a)]),
                                text(pastime::kZodiacAnimals[static_cast<std::size_t>(b)]),
                                QString::fromStdString(pastime::relationText(pair)),
                                QString::fromStdString(pair.text).toHtmlEscaped()));
  });
  return window;
}

}  // namespace quillan::app
