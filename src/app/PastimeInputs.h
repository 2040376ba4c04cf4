#pragma once

#include <QDate>
#include <QString>
#include <string_view>

#include "calendar/Date.h"

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace quillan::app {

class PastimeWindow;

// The input rows the folk windows share, each box named as the tests and the status hints know it.

// A new row under the window's inputs.
QHBoxLayout* addInputRow(PastimeWindow* window);

// The box under its caption (the caption's buddy, so its shortcut reaches it), both added to the row.
void addCaption(QHBoxLayout* row, const QString& caption, QWidget* box, int stretch = 0);
template <typename Box>
Box* addLabelled(QHBoxLayout* row, const QString& caption, Box* box, int stretch = 0) {
  addCaption(row, caption, box, stretch);
  return box;
}

// A labelled Gregorian date box for 1901–2100, the range of the calendar.
QDateEdit* addDateBox(PastimeWindow* window, QHBoxLayout* row, const QString& label, const QString& objectName,
                      QDate start);

// "组合框_时辰": the hours 0-23 (and "时辰未知" first when allowed); the hour's number as item data,
// −1 for unknown. An hour it does not offer starts at 12.
QComboBox* addHourBox(PastimeWindow* window, QHBoxLayout* row, int start, bool unknownAllowed);

// "组合框_时辰": the twelve 时辰 with their spans; the branch 0-11 as item data.
QComboBox* addBranchBox(PastimeWindow* window, QHBoxLayout* row, int startBranch);

// The window's default button "按钮_<caption>", with the rest of the row left empty.
QPushButton* addRunButton(PastimeWindow* window, QHBoxLayout* row, const QString& caption);

calendar::Date calendarDate(QDate date);

// UTF-8 text from the core, escaped for the result's HTML.
QString htmlText(std::string_view utf8);

}  // namespace quillan::app
