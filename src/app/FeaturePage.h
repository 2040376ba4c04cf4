#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/DialogHooks.h"

class QDialog;

namespace quillan::chars {
class CharacterLookup;
}

namespace quillan::app {

class BackgroundRunner;

// Where a window's birth boxes start: the generation page's birthday when it is set, else today.
struct BirthStart {
  QDate date;
  int hour = 12;  // 0-23, or −1 for "时辰未知"
};

// The character lookup of the data service in use; empty while there is none.
using LookupSource = std::function<std::shared_ptr<chars::CharacterLookup>()>;

// What the functions of the feature pages are given: the window's dialogs, its background runner,
// its clock, the birthday to start from and the data service's lookup, and the window as their
// dialogs' parent.
struct FeatureContext {
  const DialogHooks* hooks = nullptr;
  BackgroundRunner* background = nullptr;
  std::function<QDateTime()> now;
  QWidget* window = nullptr;
  std::function<BirthStart()> birthStart;
  LookupSource lookup;
};

// One function of a feature page: its caption and what a click opens. A feature without one is shown
// and disabled, saying that it is not there yet.
struct Feature {
  QString caption;
  std::function<void()> open;
};

// One window per function: opens the window `make` builds, or brings the open one (the window's
// direct child named `objectName`) to the front. `make` may return nullptr when it told the user why
// nothing opens.
void openFeatureWindow(const FeatureContext& context, const QString& objectName, const std::function<QDialog*()>& make);

// The function "按钮_<caption>" whose click opens the window "窗口_<caption>" that `make` builds.
struct Feature;
Feature windowFeature(const FeatureContext& context, const QString& caption, std::function<QDialog*()> make);

// Pages 2, 3 and 4 of 选择夹1: a title, a line of explanation and a grid of function buttons, each
// button named "按钮_" and its caption.
class FeaturePage : public QWidget {
  Q_OBJECT

 public:
  FeaturePage(const QString& title, const QString& blurb, const std::vector<Feature>& features,
              QWidget* parent = nullptr);
};

}  // namespace quillan::app
