#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/DialogHooks.h"

namespace quillan::app {

class BackgroundRunner;

// What the functions of the feature pages are given: the window's dialogs, its background runner
// and its clock, and the window as their dialogs' parent.
struct FeatureContext {
  const DialogHooks* hooks = nullptr;
  BackgroundRunner* background = nullptr;
  std::function<QDateTime()> now;
  QWidget* window = nullptr;
};

// One function of a feature page: its caption and what a click opens. A feature without one is shown
// and disabled, saying that it is not there yet.
struct Feature {
  QString caption;
  std::function<void()> open;
};

// Pages 2, 3 and 4 of 选择夹1: a title, a line of explanation and a grid of function buttons, each
// button named "按钮_" and its caption.
class FeaturePage : public QWidget {
  Q_OBJECT

 public:
  FeaturePage(const QString& title, const QString& blurb, const std::vector<Feature>& features,
              QWidget* parent = nullptr);
};

}  // namespace quillan::app
