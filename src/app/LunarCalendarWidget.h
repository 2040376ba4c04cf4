#pragma once

#include <QCalendarWidget>
#include <QColor>
#include <QDate>
#include <QString>
#include <array>
#include <map>
#include <optional>

#include "calendar/SolarTerm.h"

namespace quillan::app {

// The second line of a day cell in the lunar date picker.
struct LunarCellText {
  QString text;            // empty for a day outside the lunar calendar's range
  bool solarTerm = false;  // the text names the solar term that falls on the day
};

// The solar terms of one Gregorian year; nullopt outside the calendar's years.
using YearSolarTerms = std::optional<std::array<calendar::SolarTerm, 24>>;

// A solar term falling on the day wins ("立春"); otherwise the first day of a lunar month shows the
// month ("四月", "闰四月") and any other day its lunar day ("十一"). `terms` are those of the date's
// Gregorian year, passed in so that painting a month looks them up once.
LunarCellText lunarCellText(const QDate& date, const YearSolarTerms& terms);

// The calendar of the birth-date box: each day shows its lunar day, the month on 初一, or the solar
// term of the day in the accent colour, under the Gregorian day number.
class LunarCalendarWidget : public QCalendarWidget {
  Q_OBJECT
  // Set by the skins through QCalendarWidget[role="lunar"]; the defaults are the default skin's.
  Q_PROPERTY(QColor ink READ ink WRITE setInk)
  Q_PROPERTY(QColor muted READ muted WRITE setMuted)
  Q_PROPERTY(QColor accent READ accent WRITE setAccent)
  Q_PROPERTY(QColor onAccent READ onAccent WRITE setOnAccent)

 public:
  explicit LunarCalendarWidget(QWidget* parent = nullptr);

  // The day marked as today (the window's clock says which).
  void setToday(const QDate& today);

  // What the cell of `date` shows under its day number.
  LunarCellText cellText(const QDate& date) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QColor ink() const { return ink_; }
  void setInk(const QColor& colour);
  QColor muted() const { return muted_; }
  void setMuted(const QColor& colour);
  QColor accent() const { return accent_; }
  void setAccent(const QColor& colour);
  QColor onAccent() const { return onAccent_; }
  void setOnAccent(const QColor& colour);

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  // The two fonts of a cell, from the font the view paints with.
  struct CellFonts {
    QFont day;
    QFont lunar;
  };
  static CellFonts cellFonts(const QFont& base);
  // A cell with room for both lines.
  QSize cellSize() const;
  const YearSolarTerms& termsOf(int year) const;

  QColor ink_{0x2d, 0x26, 0x20};
  QColor muted_{0x8c, 0x7f, 0x73};
  QColor accent_{0xc0, 0x39, 0x2b};
  QColor onAccent_{Qt::white};
  QDate today_ = QDate::currentDate();
  // Painting asks for 42 cells at a time; each year's terms are computed once. The calendar spans
  // 200 years, so the cache stays small.
  mutable std::map<int, YearSolarTerms> terms_;
};

}  // namespace quillan::app
