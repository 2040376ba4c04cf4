#pragma once

#include <ctime>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "generate/GenerationRequest.h"

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

}  // namespace quillan::cli
