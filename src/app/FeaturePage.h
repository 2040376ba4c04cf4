#pragma once

#include <QStringList>
#include <QWidget>

namespace quillan::app {

// Pages 2, 3 and 4 of 选择夹1: a title, a line of explanation and a grid of function buttons. The
// buttons carry their captions; their functions are not part of the program yet.
class FeaturePage : public QWidget {
  Q_OBJECT

 public:
  FeaturePage(const QString& title, const QString& blurb, const QStringList& captions, QWidget* parent = nullptr);
};

}  // namespace quillan::app
