#include "cli/GenerateOptions.h"

#include <vector>

#include "common/TextSplit.h"
#include "scoring/Element.h"

#include <map>

namespace quillan::cli {
namespace {

using generate::GenerationCharOption;

// The window's day selector: 31, 30, or for February 29 in years divisible by 4, else 28.
int daysInMonth(int year, int month) {
  switch (month) {
    case 2:
      return year % 4 == 0 ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

}  // namespace

void addGenerateOptions(CLI::App& command, GenerateOptions& options) {
  using generate::Algorithm;
  using generate::GenerationMode;
  using generate::NameLength;
  using generate::NicknamePattern;
  const auto choices = [](auto map) { return CLI::CheckedTransformer(map, CLI::ignore_case); };

  command.add_option("--surname", options.surname, "The surname, one or two Chinese characters")->required();
  command.add_option("--gender", options.gender, "boy or girl (default boy)")
      ->transform(
          choices(std::map<std::string, chars::Gender>{{"boy", chars::Gender::Boy}, {"girl", chars::Gender::Girl}}));
  command.add_option("--length", options.length, "Characters of the full name: 2 or 3 (default 3)")
      ->transform(choices(std::map<std::string, NameLength>{{"2", NameLength::Two}, {"3", NameLength::Three}}));
  command.add_option("--mode", options.mode, "classic, high-score, self-chosen or nickname (default classic)")
      ->transform(choices(std::map<std::string, GenerationMode>{{"classic", GenerationMode::Classic},
                                                                {"high-score", GenerationMode::HighScore},
                                                                {"self-chosen", GenerationMode::SelfChosen},
                                                                {"nickname", GenerationMode::Nickname}}));
  command.add_option("--birthday", options.birthdayKnown, "known or unknown (default known)")
      ->transform(choices(std::map<std::string, bool>{{"known", true}, {"unknown", false}}));
  command.add_option("--year", options.year, "Year of birth, 2000-2030 (default this year)")
      ->check(CLI::Range(2000, 2030));
  command.add_option("--month", options.month, "Month of birth, 1-12 (default this month)")->check(CLI::Range(1, 12));
  command.add_option("--day", options.day, "Day of birth (default today)")->check(CLI::Range(1, 31));
  command.add_option("--hour", options.hour, "Hour of birth, 0-23 or unknown (default this hour)")
      ->check(CLI::IsMember({"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",     "12",
                             "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "unknown"}));
  command.add_option("--generation-char", options.generationChar,
                     "none, 2:<汉字> (second character of the name) or 3:<汉字> (third); default none");
  command.add_option("--chars", options.characters, "The characters to combine (self-chosen mode)");
  command.add_option("--pattern", options.pattern, "Nickname pattern: AA, xA (小A) or Aer (A儿); default AA")
      ->transform(choices(std::map<std::string, NicknamePattern>{
          {"AA", NicknamePattern::AA}, {"xA", NicknamePattern::XiaoA}, {"Aer", NicknamePattern::AEr}}));
  command.add_option("--algorithm", options.algorithm, "normal or advanced (default normal)")
      ->transform(
          choices(std::map<std::string, Algorithm>{{"normal", Algorithm::Normal}, {"advanced", Algorithm::Advanced}}));
  command.add_option("--avoid", options.avoid, "Characters the given name must not use, such as an elder's: 国华");
  command.add_option("--avoid-sound", options.avoidSound, "Sounds the given name must not use: guo,hua");
  command.add_option("--format", options.format, "Rows on stdout: export (the export layout), tsv or json")
      ->transform(choices(std::map<std::string, RowFormat>{
          {"export", RowFormat::Export}, {"tsv", RowFormat::Tsv}, {"json", RowFormat::Json}}));
  command.add_option("--out", options.out, "Write the export file (GBK) here instead of printing the rows");
  command.add_option("--sort", options.sort, "Order the rows by number, name (pinyin), score or euphony")
      ->check(CLI::IsMember({"number", "name", "score", "euphony"}));
  auto* descending = command.add_flag("--desc", options.descending, "Highest first (with --sort)");
  command.add_flag("--asc", options.ascending, "Lowest first (with --sort; the default)")->excludes(descending);
  command.add_option("--min-score", options.minScore, "Only rows scoring at least this")->check(CLI::Range(0.0, 100.0));
  command.add_option("--contain", options.contain, "Only given names holding this character");
  command.add_option("--contain-at", options.containAt, "The place of --contain in the given name: 1 or 2")
      ->check(CLI::Range(1, 2));
  command.add_option("--exclude", options.exclude, "Leave out given names holding any of these characters (伟,杰)");
  command.add_option("--elements", options.elements, "Only given names with a character of these elements (木,水)");
  command.add_flag("--auspicious-talents", options.auspiciousTalents,
                   "Only names whose 三才 values are all auspicious");
  command.add_option("--min-euphony", options.minEuphony, "Only rows whose 音律分 is at least this (advanced runs)")
      ->check(CLI::Range(0, 100));
  command.add_option("--search", options.search, "Only names holding this text in the name or its pinyin");
}

RequestFromOptions requestFromOptions(const GenerateOptions& options, const std::tm& now) {
  RequestFromOptions result;
  auto& request = result.request;
  request.surname = options.surname;
  request.gender = options.gender;
  request.nameLength = options.length;
  request.mode = options.mode;
  request.algorithm = options.algorithm;
  request.selfChosenText = options.characters;
  request.nicknamePattern = options.pattern;
  auto avoidance = quality::parseUserAvoidance(options.avoid, options.avoidSound);
  if (auto* problem = std::get_if<std::string>(&avoidance)) {
    result.error = "--avoid or --avoid-sound: " + *problem;
    return result;
  }
  request.avoidance = std::get<quality::UserAvoidance>(std::move(avoidance));

  const int year = options.year.value_or(now.tm_year + 1900);
  const int month = options.month.value_or(now.tm_mon + 1);
  const int day = options.day.value_or(now.tm_mday);
  if (day > daysInMonth(year, month)) {
    result.error =
        "--day " + std::to_string(day) + " is not a day of " + std::to_string(year) + "-" + std::to_string(month);
    return result;
  }
  const std::string hour = options.hour.value_or(std::to_string(now.tm_hour));
  request.birthday = {options.birthdayKnown ? "生日" : "未知", std::to_string(year), std::to_string(month),
                      std::to_string(day), hour == "unknown" ? "未知" : hour};

  const auto& fixed = options.generationChar;
  if (fixed == "none") {
    request.generationCharOption = GenerationCharOption::None;
  } else if (fixed.starts_with("2:")) {
    request.generationCharOption = GenerationCharOption::Second;
    request.secondCharText = fixed.substr(2);
  } else if (fixed.starts_with("3:")) {
    request.generationCharOption = GenerationCharOption::Third;
    request.thirdCharText = fixed.substr(2);
  } else {
    result.error = "--generation-char wants none, 2:<汉字> or 3:<汉字>, not \"" + fixed + "\"";
  }
  return result;
}

FilterFromOptions filterFromOptions(const GenerateOptions& options, int surnameChars) {
  // Characters as the filter bar reads them: whatever separates them (ASCII, "，" or "、") is no character.
  const auto charactersOf = [](const std::string& text) {
    std::vector<std::string> characters;
    for (std::string& character : common::splitCharacters(text)) {
      if (character.size() > 1 && character != "，" && character != "、") {
        characters.push_back(std::move(character));
      }
    }
    return characters;
  };
  FilterFromOptions result;
  auto& filter = result.filter;
  filter.surnameChars = surnameChars;
  filter.minScore = options.minScore;
  if (!options.contain.empty()) {
    const auto contained = charactersOf(options.contain);
    if (contained.size() != 1) {
      result.error = "--contain wants one Chinese character, not \"" + options.contain + "\"";
      return result;
    }
    filter.mustContain = contained.front();
    filter.containPosition = options.containAt;
  }
  filter.exclude = charactersOf(options.exclude);
  for (const std::string& element : charactersOf(options.elements)) {
    if (!scoring::parseElement(element)) {
      result.error = "--elements wants 木, 火, 土, 金 or 水, not \"" + element + "\"";
      return result;
    }
    filter.elements.push_back(element);
  }
  filter.auspiciousTalents = options.auspiciousTalents;
  filter.minEuphony = options.minEuphony;
  filter.search = options.search;
  return result;
}

}  // namespace quillan::cli
