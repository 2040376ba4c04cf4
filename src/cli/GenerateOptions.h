#pragma once

#include <ctime>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "generate/GenerationRequest.h"
#include "resultview/RowFilter.h"

namespace quillan::cli {

enum class RowFormat { Export, Tsv, Json };

// The options of `quillan-cli generate`, one for each selection of the window's generation page.
struct GenerateOptions {
  std::string surname;
  chars::Gender gender = chars::Gender::Boy;
  generate::NameLength length = generate::NameLength::Three;
  generate::GenerationMode mode = generate::GenerationMode::Classic;
  bool birthdayKnown = true;
  std::optional<int> year;  // today's when not given
  std::optional<int> month;
  std::optional<int> day;
  std::optional<std::string> hour;  // "0" … "23" or "unknown"; this hour when not given
  std::string generationChar = "none";
  std::string characters;
  generate::NicknamePattern pattern = generate::NicknamePattern::AA;
  generate::Algorithm algorithm = generate::Algorithm::Normal;
  std::string avoid;       // characters to avoid: "国华"
  std::string avoidSound;  // sounds to avoid: "guo,hua"
  RowFormat format = RowFormat::Export;
  std::string out;

  // Which rows are printed or exported, and in what order: the window's filter bar and header.
  std::string sort;  // number, name, score or euphony; the run's order when empty
  bool descending = false;
  bool ascending = false;  // the default, written out
  std::optional<double> minScore;
  std::string contain;
  int containAt = 0;     // 1 or 2: the place in the given name; 0 anywhere
  std::string exclude;   // characters, separated by commas or not
  std::string elements;  // 木,水
  bool auspiciousTalents = false;
  std::optional<int> minEuphony;
  std::string search;
};

// Declares the options on the subcommand, with their checks and defaults.
void addGenerateOptions(CLI::App& command, GenerateOptions& options);

struct RequestFromOptions {
  generate::GenerationRequest request;
  std::string error;  // an option the window could not have selected; the request is unusable
};

// The request the window would make with the same selections; `now` stands in for the date and
// hour the window preselects.
RequestFromOptions requestFromOptions(const GenerateOptions& options, const std::tm& now);

struct FilterFromOptions {
  resultview::RowFilter filter;
  std::string error;  // an option the filter bar could not hold
};

// The filter bar's filter for the options; the run's surname has `surnameChars` characters.
FilterFromOptions filterFromOptions(const GenerateOptions& options, int surnameChars);

}  // namespace quillan::cli
