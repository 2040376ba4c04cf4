#pragma once

#include <QColor>
#include <QWidget>

namespace quillan::app {

// 图片框_介绍: the introduction shown in place of the result list until the first run. Drawn
// rather than loaded, so that it follows the skin's colours and stays sharp at any scale.
class IntroPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor accent READ accent WRITE setAccent)
  Q_PROPERTY(QColor card READ card WRITE setCard)
  Q_PROPERTY(QColor ink READ ink WRITE setInk)

 public:
  explicit IntroPicture(QWidget* parent = nullptr);

  QColor accent() const { return accent_; }
  void setAccent(const QColor& colour);
  QColor card() const { return card_; }
  void setCard(const QColor& colour);
  QColor ink() const { return ink_; }
  void setInk(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor accent_{0xc0, 0x39, 0x2b};
  QColor card_{Qt::white};
  QColor ink_{0x2d, 0x26, 0x20};
};

}  // namespace quillan::app
