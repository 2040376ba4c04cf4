#include "app/FeaturePage.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/NotYetAvailable.h"

namespace quillan::app {

void openFeatureWindow(const FeatureContext& context, const QString& objectName,
                       const std::function<QDialog*()>& make) {
  auto* open = context.window->findChild<QDialog*>(objectName, Qt::FindDirectChildrenOnly);
  if (open == nullptr) {
    open = make();
  }
  if (open != nullptr) {
    open->show();
    open->raise();
    open->activateWindow();
  }
}

Feature windowFeature(const FeatureContext& context, const QString& caption, std::function<QDialog*()> make) {
  return {caption, [context, name = QStringLiteral("窗口_") + caption, make = std::move(make)] {
            openFeatureWindow(context, name, make);
          }};
}

FeaturePage::FeaturePage(const QString& title, const QString& blurb, const std::vector<Feature>& features,
                         QWidget* parent)
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
  for (std::size_t i = 0; i < features.size(); ++i) {
    const Feature& feature = features[i];
    auto* button = new QPushButton(feature.caption, box);
    button->setObjectName(QStringLiteral("按钮_") + feature.caption);
    button->setProperty("role", QStringLiteral("feature"));
    button->setMinimumHeight(72);
    if (feature.open) {
      connect(button, &QPushButton::clicked, this, feature.open);
    } else {
      markNotYetAvailable(button);
    }
    const int at = static_cast<int>(i);
    grid->addWidget(button, at / kColumns, at % kColumns);
  }
  boxLayout->addLayout(grid);
  layout->addWidget(box);
  layout->addStretch(1);
}

}  // namespace quillan::app
