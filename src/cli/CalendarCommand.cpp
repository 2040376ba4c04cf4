// quillan-cli calendar --date YYYY-MM-DD [--hour H] [--json]: the birth-date texts of the
// certificate (lunar date, four pillars, zodiac, the year pillar's Nayin) for a China Standard
// Time date and hour.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "calendar/Calendar.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"

namespace quillan::cli {

namespace {

struct CalendarOptions {
  std::string date;
  int hour = 0;
  bool json = false;
};

int runCalendar(const CalendarOptions& options) {
  const auto date = calendar::parseDate(options.date);
  if (!date) {
    std::cerr << "quillan-cli calendar: --date wants a day written YYYY-MM-DD, got \"" << options.date << "\"\n";
    return kExitBadInput;
  }
  const calendar::DateTime moment{*date, options.hour, 0, 0};
  const auto lunar = calendar::lunarDateOf(*date);
  const auto pillars = calendar::fourPillarsOf(moment);
  if (!lunar || !pillars) {
    std::cerr << "quillan-cli calendar: " << options.date << " is outside the calendar's range "
              << calendar::formatDate(calendar::kFirstDate) << " to " << calendar::formatDate(calendar::kLastDate)
              << '\n';
    return kExitBadInput;
  }
  const auto texts = pillars->texts();
  const std::string nayin = calendar::nayinOf(texts[0]);
  std::string termText;
  const auto terms = calendar::solarTermsOf(date->year);
  for (const auto& term : *terms) {
    if (term.moment.date == *date) {
      termText = term.name() + " " + calendar::formatDateTime(term.moment);
    }
  }

  std::ostringstream gregorian;
  gregorian << date->year << "年" << date->month << "月" << date->day << "日" << options.hour << "时";
  if (options.json) {
    std::cout << "{\"date\": " << jsonString(calendar::formatDate(*date)) << ", \"hour\": " << options.hour
              << ", \"gregorian\": " << jsonString(gregorian.str())
              << ", \"lunar\": {\"year\": " << jsonString(lunar->yearText())
              << ", \"month\": " << jsonString(lunar->monthText()) << ", \"day\": " << jsonString(lunar->dayText())
              << ", \"leap\": " << (lunar->leap ? "true" : "false") << ", \"text\": " << jsonString(lunar->text())
              << "}, \"pillars\": [" << jsonString(texts[0]) << ", " << jsonString(texts[1]) << ", "
              << jsonString(texts[2]) << ", " << jsonString(texts[3])
              << "], \"zodiac\": " << jsonString(lunar->zodiac()) << ", \"nayin\": " << jsonString(nayin)
              << ", \"solarTerm\": " << (termText.empty() ? "null" : jsonString(termText)) << "}\n";
    return kExitOk;
  }
  std::cout << "Gregorian:  " << gregorian.str() << '\n'
            << "Lunar:      " << lunar->text() << '\n'
            << "Pillars:    " << texts[0] << ' ' << texts[1] << ' ' << texts[2] << ' ' << texts[3] << '\n'
            << "Zodiac:     " << lunar->zodiac() << '\n'
            << "Nayin:      " << nayin << '\n';
  if (!termText.empty()) {
    std::cout << "Solar term: " << termText << '\n';
  }
  return kExitOk;
}

}  // namespace

void addCalendarCommand(CLI::App& app) {
  auto options = std::make_shared<CalendarOptions>();
  auto* command = app.add_subcommand(
      "calendar", "Lunar date, four pillars, zodiac and Nayin of a birth date (China Standard Time, 1901-2100)");
  command->add_option("--date", options->date, "Gregorian date, YYYY-MM-DD")->required();
  command->add_option("--hour", options->hour, "hour of birth, 0-23 (default 0)")->check(CLI::Range(0, 23));
  command->add_flag("--json", options->json, "print one JSON object");
  command->callback([options] {
    const int code = runCalendar(*options);
    if (code != kExitOk) {
      throw CLI::RuntimeError(code);
    }
  });
}

}  // namespace quillan::cli
