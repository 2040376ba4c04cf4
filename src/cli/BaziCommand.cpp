// quillan-cli bazi --date YYYY-MM-DD [--hour H|unknown] [--minute M] [--longitude E] [--json]: the
// birth chart, its element balance and 喜用神, every step with its numbers.
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "bazi/BirthChart.h"
#include "bazi/ChartText.h"
#include "calendar/Calendar.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"

namespace quillan::cli {
namespace {

struct BaziOptions {
  std::string date;
  std::string hour = "unknown";
  int minute = 0;
  std::optional<double> longitude;
  bool json = false;
};

constexpr const char* kPositionKeys[] = {"year", "month", "day", "hour"};
constexpr const char* kPositionNames[] = {"年柱", "月柱", "日柱", "时柱"};

std::string polarityName(bazi::Polarity polarity) { return polarity == bazi::Polarity::Yang ? "阳" : "阴"; }

std::string elementJson(bazi::Element element) { return jsonString(bazi::elementName(element)); }

std::string chartJson(const bazi::BirthChart& chart) {
  std::ostringstream out;
  out << "{\"date\":" << jsonString(calendar::formatDate(chart.birth.date))
      << ",\"hour\":" << (chart.hourKnown ? std::to_string(*chart.birth.hour) : "null")
      << ",\"longitude\":" << (chart.birth.longitude ? std::to_string(*chart.birth.longitude) : "null")
      << ",\"timeUsed\":" << jsonString(calendar::formatDateTime(chart.used)) << ",\"pillars\":[";
  for (std::size_t i = 0; i < chart.pillars.size(); ++i) {
    const auto& p = chart.pillars[i];
    out << (i == 0 ? "" : ",") << "{\"position\":\"" << kPositionKeys[static_cast<std::size_t>(p.position)]
        << "\",\"pillar\":" << jsonString(p.name()) << ",\"stem\":" << jsonString(bazi::stemName(p.stem))
        << ",\"branch\":" << jsonString(bazi::branchName(p.branch))
        << ",\"stemElement\":" << elementJson(bazi::stemElement(p.stem))
        << ",\"branchElement\":" << elementJson(bazi::branchElement(p.branch))
        << ",\"stemPolarity\":" << jsonString(polarityName(bazi::stemPolarity(p.stem)))
        << ",\"branchPolarity\":" << jsonString(polarityName(bazi::branchPolarity(p.branch)))
        << ",\"stemGod\":" << (p.stemGod ? jsonString(bazi::tenGodName(*p.stemGod)) : "null") << ",\"hidden\":[";
    for (std::size_t k = 0; k < p.hidden.size(); ++k) {
      out << (k == 0 ? "" : ",") << "{\"stem\":" << jsonString(bazi::stemName(p.hidden[k].stem))
          << ",\"god\":" << jsonString(bazi::tenGodName(p.hidden[k].god)) << "}";
    }
    out << "],\"nayin\":" << jsonString(p.nayin) << "}";
  }
  out << "],\"counts\":{";
  for (bazi::Element element : bazi::kElements) {
    out << (element == bazi::Element::Wood ? "" : ",") << elementJson(element) << ":"
        << chart.counts[static_cast<std::size_t>(element)];
  }
  out << "},\"missing\":[";
  for (std::size_t i = 0; i < chart.missing.size(); ++i) {
    out << (i == 0 ? "" : ",") << elementJson(chart.missing[i]);
  }
  out << "],\"support\":" << chart.support << ",\"total\":" << chart.total << ",\"ratio\":" << std::fixed
      << std::setprecision(3) << (chart.total == 0 ? 0.0 : static_cast<double>(chart.support) / chart.total)
      << ",\"strength\":" << jsonString(bazi::strengthWord(chart)) << ",\"yongshen\":" << elementJson(chart.yongshen)
      << ",\"xishen\":" << elementJson(chart.xishen) << ",\"sentence\":" << jsonString(bazi::reasonSentence(chart))
      << ",\"steps\":[";
  const auto steps = bazi::methodSteps(chart);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    out << (i == 0 ? "" : ",") << jsonString(steps[i]);
  }
  out << "]}";
  return out.str();
}

void printChart(const bazi::BirthChart& chart) {
  std::cout << "出生时间：" << calendar::formatDate(chart.birth.date)
            << (chart.hourKnown ? " " + std::to_string(*chart.birth.hour) + "时" : "（时辰未知）") << '\n';
  if (chart.birth.longitude && chart.hourKnown) {
    std::cout << "真太阳时：" << calendar::formatDateTime(chart.used) << "（东经 " << *chart.birth.longitude << "°）\n";
  }
  for (const auto& p : chart.pillars) {
    std::cout << kPositionNames[static_cast<std::size_t>(p.position)] << "：" << p.name() << "  "
              << bazi::elementName(bazi::stemElement(p.stem)) << polarityName(bazi::stemPolarity(p.stem))
              << bazi::elementName(bazi::branchElement(p.branch)) << polarityName(bazi::branchPolarity(p.branch))
              << "  十神 " << (p.stemGod ? std::string(bazi::tenGodName(*p.stemGod)) : std::string("日主")) << "  藏干";
    for (const auto& hidden : p.hidden) {
      std::cout << ' ' << bazi::stemName(hidden.stem) << "(" << bazi::tenGodName(hidden.god) << ")";
    }
    std::cout << "  纳音 " << p.nayin << '\n';
  }
  for (const auto& step : bazi::methodSteps(chart)) {
    std::cout << step << '\n';
  }
  std::cout << bazi::reasonSentence(chart) << '\n';
}

int runBazi(const BaziOptions& options) {
  const auto date = calendar::parseDate(options.date);
  if (!date) {
    std::cerr << "quillan-cli bazi: --date wants a day written YYYY-MM-DD, got \"" << options.date << "\"\n";
    return kExitBadInput;
  }
  bazi::BirthMoment birth{*date, std::nullopt, options.minute, options.longitude};
  if (options.hour != "unknown") {
    try {
      std::size_t used = 0;
      const int hour = std::stoi(options.hour, &used);
      if (used != options.hour.size()) {
        throw std::invalid_argument(options.hour);
      }
      birth.hour = hour;
    } catch (const std::exception&) {
      std::cerr << "quillan-cli bazi: --hour wants 0-23 or unknown, got \"" << options.hour << "\"\n";
      return kExitBadInput;
    }
  }
  const auto chart = bazi::birthChart(birth);
  if (!chart) {
    std::cerr << "quillan-cli bazi: no chart for " << options.date
              << " (an hour 0-23, a minute 0-59, a longitude -180-180, and a date from "
              << calendar::formatDate(calendar::kFirstDate) << " to " << calendar::formatDate(calendar::kLastDate)
              << ")\n";
    return kExitBadInput;
  }
  if (options.json) {
    std::cout << chartJson(*chart) << '\n';
  } else {
    printChart(*chart);
  }
  return kExitOk;
}

}  // namespace

void addBaziCommand(CLI::App& app) {
  auto options = std::make_shared<BaziOptions>();
  auto* command = app.add_subcommand(
      "bazi", "Birth chart (八字): pillars, hidden stems, ten gods, element balance and 喜用神, step by step");
  command->add_option("--date", options->date, "Gregorian date of birth, YYYY-MM-DD")->required();
  command->add_option("--hour", options->hour, "hour of birth, 0-23, or unknown for a six-character chart")
      ->capture_default_str();
  command->add_option("--minute", options->minute, "minute of birth, 0-59 (default 0)")->check(CLI::Range(0, 59));
  command->add_option("--longitude", options->longitude,
                      "birthplace longitude in degrees east, for true solar time (Urumqi 87.6)");
  command->add_flag("--json", options->json, "print one JSON object");
  command->callback([options] {
    const int code = runBazi(*options);
    if (code != kExitOk) {
      throw CLI::RuntimeError(code);
    }
  });
}

}  // namespace quillan::cli
