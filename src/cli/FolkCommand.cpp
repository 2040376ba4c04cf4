// quillan-cli folk chenggu|number|gender: the computed folk readings of 命运测算 and 民俗预测, each
// shown with its steps and framed as folk custom.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <variant>

#include "calendar/Calendar.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "folk/BoneWeight.h"
#include "folk/GenderTable.h"
#include "folk/Hours.h"
#include "folk/NumberLuck.h"

namespace quillan::cli {
namespace {

constexpr const char* kFolkNote = "（民俗说法，仅供娱乐，不是预测）";

struct FolkOptions {
  std::string date;
  int hour = 0;
  std::string number;
  std::string motherBirth;
  std::string conception;
  bool json = false;
};

// Ends the subcommand with the exit code of bad input.
[[noreturn]] void refuse(std::string_view command, std::string_view why) {
  std::cerr << "quillan-cli folk " << command << ": " << why << '\n';
  throw CLI::RuntimeError(kExitBadInput);
}

calendar::Date dateOption(std::string_view command, std::string_view option, const std::string& text) {
  const auto date = calendar::parseDate(text);
  if (!date) {
    refuse(command, std::string(option) + " wants a day written YYYY-MM-DD, got \"" + text + "\"");
  }
  return *date;
}

std::string lunarJson(const calendar::LunarDate& lunar) {
  std::ostringstream out;
  out << "{\"year\":" << jsonString(lunar.yearText()) << ",\"month\":" << lunar.month
      << ",\"leap\":" << (lunar.leap ? "true" : "false") << ",\"day\":" << lunar.day
      << ",\"text\":" << jsonString(lunar.text()) << "}";
  return out.str();
}

void runBoneWeight(const FolkOptions& options) {
  const auto date = dateOption("chenggu", "--date", options.date);
  const auto weight = folk::boneWeightOf(date, options.hour);
  if (!weight) {
    refuse("chenggu", "no lunar date for " + options.date + " (a date from " +
                          calendar::formatDate(calendar::kFirstDate) + " to " +
                          calendar::formatDate(calendar::kLastDate) + ")");
  }
  const std::string hourWord(folk::branchWord(weight->hourBranch));
  if (options.json) {
    std::cout << "{\"lunar\":" << lunarJson(weight->lunar) << ",\"hourBranch\":" << jsonString(hourWord)
              << ",\"weights\":{\"year\":" << weight->year << ",\"month\":" << weight->month
              << ",\"day\":" << weight->day << ",\"hour\":" << weight->hour << "},\"total\":" << weight->total()
              << ",\"totalText\":" << jsonString(folk::qianText(weight->total()))
              << ",\"text\":" << jsonString(weight->text) << "}\n";
    return;
  }
  const auto& lunar = weight->lunar;
  std::cout << "农历：" << lunar.text() << " " << folk::hourSpanText(weight->hourBranch) << '\n'
            << "年 " << lunar.yearText() << "：" << folk::qianText(weight->year) << '\n'
            << "月 " << lunar.monthText() << (lunar.leap ? "（闰月按本月算）" : "") << "："
            << folk::qianText(weight->month) << '\n'
            << "日 " << lunar.dayText() << "：" << folk::qianText(weight->day) << '\n'
            << "时 " << hourWord << "时：" << folk::qianText(weight->hour) << '\n'
            << "合计：" << folk::qianText(weight->total()) << '\n'
            << weight->text << '\n'
            << kFolkNote << '\n';
}

void runNumber(const FolkOptions& options) {
  const auto read = folk::readNumber(options.number);
  if (const auto* message = std::get_if<std::string>(&read)) {
    refuse("number", *message);
  }
  const auto& reading = std::get<folk::NumberReading>(read);
  if (options.json) {
    std::cout << "{\"digits\":" << jsonString(reading.digits) << ",\"lastFour\":" << jsonString(reading.lastFour)
              << ",\"value\":" << reading.value << ",\"number\":" << reading.number
              << ",\"luck\":" << jsonString(scoring::luckWord(reading.luck))
              << ",\"steps\":" << jsonString(reading.steps()) << ",\"title\":" << jsonString(reading.title)
              << ",\"hint\":" << jsonString(reading.hint) << ",\"detail\":" << jsonString(reading.detail) << "}\n";
    return;
  }
  std::cout << reading.steps() << '\n'
            << reading.number << "：" << reading.title << "（" << scoring::luckWord(reading.luck) << "）\n"
            << reading.hint << '\n'
            << reading.detail << '\n'
            << kFolkNote << '\n';
}

void runGender(const FolkOptions& options) {
  const auto mother = dateOption("gender", "--mother-birth", options.motherBirth);
  const auto conception = dateOption("gender", "--conception", options.conception);
  const auto read = folk::genderByTable(mother, conception);
  if (const auto* message = std::get_if<std::string>(&read)) {
    refuse("gender", *message);
  }
  const auto& reading = std::get<folk::GenderReading>(read);
  constexpr const char* kNoBasis = "清宫表是民间流传的表格，没有科学依据；生男生女同样是喜事。";
  if (options.json) {
    std::cout << "{\"motherLunarBirth\":" << lunarJson(reading.motherBirth)
              << ",\"conceptionLunar\":" << lunarJson(reading.conception) << ",\"age\":" << reading.age
              << ",\"month\":" << reading.conception.month << ",\"answer\":" << jsonString(reading.answer())
              << ",\"note\":" << jsonString(kNoBasis) << "}\n";
    return;
  }
  std::cout << "母亲农历生日：" << reading.motherBirth.text() << '\n'
            << "受孕日农历：" << reading.conception.text() << (reading.conception.leap ? "（闰月按本月算）" : "")
            << '\n'
            << "受孕时虚岁：" << reading.age << "岁，农历" << reading.conception.month << "月\n"
            << "清宫表所记：" << reading.answer() << '\n'
            << kNoBasis << '\n';
}

}  // namespace

void addFolkCommand(CLI::App& app) {
  auto options = std::make_shared<FolkOptions>();
  auto* command =
      app.add_subcommand("folk", "Folk readings (民俗), for entertainment: bone weight, number luck, 清宫表");
  command->require_subcommand(1);

  auto* bone = command->add_subcommand("chenggu", "Bone weight (称骨) of a birth date and hour");
  bone->add_option("--date", options->date, "Gregorian date of birth, YYYY-MM-DD")->required();
  bone->add_option("--hour", options->hour, "hour of birth, 0-23")->required()->check(CLI::Range(0, 23));
  bone->add_flag("--json", options->json, "print one JSON object");
  bone->callback([options] { runBoneWeight(*options); });

  auto* number = command->add_subcommand("number", "Luck of a number (号码吉凶) by its last four digits");
  number->add_option("digits", options->number, "the number, digits only")->required();
  number->add_flag("--json", options->json, "print one JSON object");
  number->callback([options] { runNumber(*options); });

  auto* gender = command->add_subcommand("gender", "The folk 清宫表 (no scientific basis) for a conception date");
  gender->add_option("--mother-birth", options->motherBirth, "the mother's Gregorian date of birth, YYYY-MM-DD")
      ->required();
  gender->add_option("--conception", options->conception, "Gregorian date of conception, YYYY-MM-DD")->required();
  gender->add_flag("--json", options->json, "print one JSON object");
  gender->callback([options] { runGender(*options); });
}

}  // namespace quillan::cli
