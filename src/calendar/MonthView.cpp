#include "calendar/MonthView.h"

#include "calendar/CalendarRange.h"

namespace quillan::calendar {

std::optional<std::vector<MonthViewDay>> monthView(int year, int month) {
  if (!inCalendarRange(Date{year, month, 1})) {
    return std::nullopt;
  }
  const auto terms = solarTermsOf(year);
  std::vector<MonthViewDay> days;
  for (Date date{year, month, 1}; isValid(date); ++date.day) {
    MonthViewDay entry{date, *lunarDateOf(date), std::nullopt};
    for (const SolarTerm& term : *terms) {
      if (term.moment.date == date) {
        entry.term = term;
      }
    }
    days.push_back(entry);
  }
  return days;
}

}  // namespace quillan::calendar
