#include "app/FeaturePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/NotYetAvailable.h"

namespace quillan::app {

FeaturePage::FeaturePage(const QString& title, const QString& blurb, const QStringList& captions, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->setSpacing(14);

  auto* box = new QGroupBox(title, this);
  auto* boxLayout = new QVBoxLayout(box);
  auto* explanation = new QLabel(blurb, box);
  explanation->setWordWrap(true);
  explanation->setProperty("role", QStringLiteral("hint"));
  boxLayout->addWidget(explanation);

  auto* grid = new QGridLayout;
  grid->setSpacing(14);
  constexpr int kColumns = 4;
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QPushButton(captions[i], box);
    button->setObjectName(QStringLiteral("按钮_") + captions[i]);
    button->setProperty("role", QStringLiteral("feature"));
    button->setMinimumHeight(72);
    markNotYetAvailable(button);
    grid->addWidget(button, i / kColumns, i % kColumns);
  }
  boxLayout->addLayout(grid);
  layout->addWidget(box);
  layout->addStretch(1);
}

}  // namespace quillan::app
