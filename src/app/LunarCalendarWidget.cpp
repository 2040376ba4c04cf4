#include "app/LunarCalendarWidget.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "app/ApplicationSetup.h"
#include "calendar/LunarDate.h"

namespace quillan::app {

namespace {

// The widest second line: a leap month ("闰四月"); the terms and lunar days have two characters.
const QString kWidestLunarText = QStringLiteral("闰四月");
constexpr qreal kLunarScale = 0.75;
constexpr int kCellPadding = 4;
constexpr qreal kCornerRadius = 5.0;

}  // namespace

LunarCellText lunarCellText(const QDate& date, const YearSolarTerms& terms) {
  if (!date.isValid()) {
    return {};
  }
  const calendar::Date day{date.year(), date.month(), date.day()};
  const auto lunar = calendar::lunarDateOf(day);
  if (!lunar) {
    return {};
  }
  if (terms) {
    for (const calendar::SolarTerm& term : *terms) {
      if (term.moment.date == day) {
        return {QString::fromStdString(term.name()), true};
      }
    }
  }
  return {QString::fromStdString(lunar->day == 1 ? lunar->monthText() : lunar->dayText()), false};
}

LunarCalendarWidget::LunarCalendarWidget(QWidget* parent) : QCalendarWidget(parent) {
  setProperty("role", QStringLiteral("lunar"));
  setLocale(QLocale(QLocale::Chinese, QLocale::China));
  setFirstDayOfWeek(Qt::Monday);
  setGridVisible(true);
  setVerticalHeaderFormat(NoVerticalHeader);
  setHorizontalHeaderFormat(ShortDayNames);
  QFont own = font();
  own.setFamily(QString::fromLatin1(kFontFamily));
  setFont(own);
}

LunarCellText LunarCalendarWidget::cellText(const QDate& date) const {
  if (!date.isValid()) {
    return {};
  }
  return lunarCellText(date, termsOf(date.year()));
}

const YearSolarTerms& LunarCalendarWidget::termsOf(int year) const {
  auto found = terms_.find(year);
  if (found == terms_.end()) {
    found = terms_.emplace(year, calendar::solarTermsOf(year)).first;
  }
  return found->second;
}

LunarCalendarWidget::CellFonts LunarCalendarWidget::cellFonts(const QFont& base) {
  CellFonts fonts{base, base};
  fonts.day.setFamily(QString::fromLatin1(kFontFamily));
  fonts.lunar.setFamily(QString::fromLatin1(kFontFamily));
  if (base.pointSizeF() > 0) {
    fonts.lunar.setPointSizeF(std::max(6.0, base.pointSizeF() * kLunarScale));
  } else {
    fonts.lunar.setPixelSize(std::max(8, static_cast<int>(base.pixelSize() * kLunarScale)));
  }
  return fonts;
}

QSize LunarCalendarWidget::cellSize() const {
  // The cells paint with the view's font, which a skin may set.
  const auto* view = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
  const CellFonts fonts = cellFonts(view != nullptr ? view->font() : font());
  const QFontMetrics day(fonts.day);
  const QFontMetrics lunar(fonts.lunar);
  const int width = std::max(lunar.horizontalAdvance(kWidestLunarText), day.horizontalAdvance(QStringLiteral("周一")));
  return {width + 2 * kCellPadding, day.height() + lunar.height() + 2 * kCellPadding};
}

void LunarCalendarWidget::setToday(const QDate& today) {
  today_ = today;
  updateCells();
}

QSize LunarCalendarWidget::sizeHint() const {
  // The navigation bar over seven rows of two-line cells (the weekday names take the first row:
  // the rows share the view's height evenly).
  const QSize cell = cellSize();
  const auto* navigation = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
  const auto* view = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
  const int frame = view != nullptr ? 2 * view->frameWidth() : 0;
  const int bar = navigation != nullptr ? navigation->sizeHint().height() : 0;
  const QSize plain = QCalendarWidget::minimumSizeHint();
  return {std::max(plain.width(), 7 * cell.width() + frame), std::max(plain.height(), bar + 7 * cell.height() + frame)};
}

QSize LunarCalendarWidget::minimumSizeHint() const { return sizeHint(); }

void LunarCalendarWidget::setInk(const QColor& colour) {
  ink_ = colour;
  updateCells();
}

void LunarCalendarWidget::setMuted(const QColor& colour) {
  muted_ = colour;
  updateCells();
}

void LunarCalendarWidget::setAccent(const QColor& colour) {
  accent_ = colour;
  updateCells();
}

void LunarCalendarWidget::setOnAccent(const QColor& colour) {
  onAccent_ = colour;
  updateCells();
}

void LunarCalendarWidget::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);

  const bool selected = date == selectedDate();
  const bool shownMonth = date.month() == monthShown() && date.year() == yearShown();
  const bool selectable = date >= minimumDate() && date <= maximumDate();
  const bool plain = shownMonth && selectable;

  const QRectF box = QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5);
  if (selected) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(accent_);
    painter->drawRoundedRect(box, kCornerRadius, kCornerRadius);
  } else if (date == today_) {
    painter->setPen(QPen(accent_, 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(box, kCornerRadius, kCornerRadius);
  }

  // Days of the months before and after, and days the box does not accept, fade.
  auto faded = [plain](QColor colour) {
    if (!plain) {
      colour.setAlphaF(colour.alphaF() * 0.45f);
    }
    return colour;
  };
  const LunarCellText lunar = cellText(date);
  const CellFonts fonts = cellFonts(painter->font());
  const QFontMetrics dayMetrics(fonts.day);
  const QFontMetrics lunarMetrics(fonts.lunar);
  const QString day = QString::number(date.day());

  painter->setFont(fonts.day);
  painter->setPen(selected ? onAccent_ : faded(plain ? ink_ : muted_));
  if (lunar.text.isEmpty()) {
    painter->drawText(rect, Qt::AlignCenter, day);
    painter->restore();
    return;
  }
  // The two lines as one block, centred in the cell.
  const int height = dayMetrics.height() + lunarMetrics.height();
  const int top = rect.top() + (rect.height() - height) / 2;
  painter->drawText(QRect(rect.left(), top, rect.width(), dayMetrics.height()), Qt::AlignCenter, day);
  painter->setFont(fonts.lunar);
  painter->setPen(selected ? onAccent_ : faded(lunar.solarTerm ? accent_ : muted_));
  painter->drawText(QRect(rect.left(), top + dayMetrics.height(), rect.width(), lunarMetrics.height()), Qt::AlignCenter,
                    lunar.text);
  painter->restore();
}

}  // namespace quillan::app
