// quillan-cli growth add|list|chart: the growth records of the window (the same file in the user's
// data folder), from the command line.
//   growth add --child 小宝 [--sex boy --birth 2026-01-05] --date 2026-07-05 [--weight 7.9] [--length 68] [--head 43]
//   growth list [--child 小宝] [--json]   (without --child: the children)
//   growth chart --child 小宝 --out chart.png|chart.pdf [--indicator wfa|lhfa|hcfa|wfl]
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <variant>

#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "common/LocalTime.h"
#include "common/ScoreFormat.h"
#include "growth/EntryCheck.h"
#include "growth/GrowthChartContent.h"
#include "growth/GrowthStore.h"
#include "growth/MeasurementReading.h"
#include "growth/ScoreText.h"
#include "growthchart/GrowthChartFile.h"
#include "service/BundledData.h"

namespace quillan::cli {
namespace {

struct GrowthOptions {
  std::string child;
  std::string sex;
  std::string birth;
  std::string date;
  std::optional<double> weight;
  std::optional<double> length;
  std::optional<double> head;
  std::string out;
  std::string indicator = "wfa";
  bool json = false;
};

[[noreturn]] void refuse(const std::string& sentence) { failCommand(kExitBadInput, "温馨提示：" + sentence); }

calendar::Date localToday() {
  const std::tm local = common::localNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

calendar::Date dateOption(const std::string& text, const char* option) {
  const auto date = calendar::parseDate(text);
  if (!date) {
    failCommand(kExitBadInput, std::string(option) + " wants a day written YYYY-MM-DD, got \"" + text + "\"");
  }
  return *date;
}

growth::GrowthStandards standards() {
  auto loaded = growth::GrowthStandards::load(service::bundledDataDirectory() / "growth");
  if (auto* failure = std::get_if<std::string>(&loaded)) {
    failCommand(kExitNotFound, *failure);
  }
  return std::get<growth::GrowthStandards>(std::move(loaded));
}

growth::LoadedRecords records() {
  growth::LoadedRecords loaded = growth::loadGrowthRecords(growth::growthRecordsFile());
  if (!loaded.notice.empty()) {
    std::cerr << "quillan-cli: " << loaded.notice << '\n';
  }
  return loaded;
}

const growth::ChildRecord& childNamed(const growth::GrowthRecords& records, const std::string& name) {
  const growth::ChildRecord* child = records.find(name);
  if (child == nullptr) {
    failCommand(kExitNotFound, "no child named \"" + name + "\" in " + growth::growthRecordsFile().string());
  }
  return *child;
}

std::string fixed2(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string readingLine(const growth::MeasurementReading& reading) {
  std::string line = calendar::formatDate(reading.measurement.date) + "  " + growth::ageText(reading.age);
  for (const growth::IndicatorScore& score : reading.scores) {
    line += "  " + growth::indicatorText(score.indicator) + " " + common::formatScore(score.value) + " " +
            growth::indicatorUnit(score.indicator) + " P" + growth::percentileText(score.percentile) +
            " z=" + growth::zScoreText(score.z);
  }
  return line;
}

std::string readingJson(const growth::MeasurementReading& reading) {
  const auto value = [](const std::optional<double>& v) { return v ? common::formatScore(*v) : std::string("null"); };
  std::string scores;
  for (const growth::IndicatorScore& score : reading.scores) {
    scores += std::string(scores.empty() ? "" : ",") +
              "{\"indicator\":" + jsonString(growth::indicatorWord(score.indicator)) +
              ",\"value\":" + common::formatScore(score.value) + ",\"percentile\":" + fixed2(score.percentile) +
              ",\"z\":" + growth::zScoreText(score.z) + "}";
  }
  const growth::Measurement& m = reading.measurement;
  return "{\"date\":" + jsonString(calendar::formatDate(m.date)) + ",\"ageDays\":" + std::to_string(reading.age.days) +
         ",\"ageMonths\":" + std::to_string(reading.age.months) +
         ",\"ageExtraDays\":" + std::to_string(reading.age.extraDays) +
         ",\"age\":" + jsonString(growth::ageText(reading.age)) + ",\"weightKg\":" + value(m.weightKg) +
         ",\"lengthCm\":" + value(m.lengthCm) + ",\"headCm\":" + value(m.headCm) + ",\"scores\":[" + scores + "]}";
}

void runAdd(const GrowthOptions& options) {
  const calendar::Date today = localToday();
  const growth::GrowthStandards who = standards();
  growth::LoadedRecords loaded = records();
  if (!loaded.canSave) {
    failCommand(kExitBadInput, "nothing was changed");
  }
  growth::GrowthRecords& all = loaded.records;
  if (all.find(options.child) == nullptr) {
    if (options.sex.empty() || options.birth.empty()) {
      failCommand(kExitBadInput, "a new child needs --sex boy|girl and --birth YYYY-MM-DD");
    }
    const auto sex = growth::sexOfWord(options.sex);
    if (!sex) {
      failCommand(kExitBadInput, "--sex is boy or girl, not \"" + options.sex + "\"");
    }
    if (auto refusal = growth::addChild(all, options.child, *sex, dateOption(options.birth, "--birth"), today)) {
      refuse(*refusal);
    }
  } else {
    const growth::ChildRecord& known = *all.find(options.child);
    if ((!options.sex.empty() && growth::sexOfWord(options.sex) != known.sex) ||
        (!options.birth.empty() && calendar::parseDate(options.birth) != known.birth)) {
      failCommand(kExitBadInput, options.child + " is kept as a " + std::string(growth::sexWord(known.sex)) + " born " +
                                     calendar::formatDate(known.birth) + "; nothing was changed");
    }
  }
  growth::ChildRecord& child = *all.find(options.child);
  const growth::Measurement entry{dateOption(options.date, "--date"), options.weight, options.length, options.head};
  if (auto refusal = growth::checkMeasurement(who, child, entry, today)) {
    refuse(*refusal);
  }
  const bool replaced = growth::putMeasurement(child, entry);
  if (auto failure = growth::saveGrowthRecords(growth::growthRecordsFile(), all)) {
    failCommand(kExitBadInput, "cannot save " + growth::growthRecordsFile().string() + ": " + *failure);
  }
  std::cout << (replaced ? "replaced: " : "added: ")
            << readingLine(growth::readMeasurement(who, child.sex, child.birth, entry)) << '\n';
}

void runList(const GrowthOptions& options) {
  const growth::LoadedRecords loaded = records();
  if (options.child.empty()) {
    std::string json;
    for (const growth::ChildRecord& child : loaded.records.children) {
      if (options.json) {
        json += std::string(json.empty() ? "" : ",") + "{\"child\":" + jsonString(child.name) +
                ",\"sex\":" + jsonString(growth::sexWord(child.sex)) +
                ",\"birth\":" + jsonString(calendar::formatDate(child.birth)) +
                ",\"measurements\":" + std::to_string(child.measurements.size()) + "}";
      } else {
        std::cout << child.name << "  " << growth::sexText(child.sex) << "  " << calendar::formatDate(child.birth)
                  << "  " << child.measurements.size() << " 次测量\n";
      }
    }
    if (options.json) {
      std::cout << "[" << json << "]\n";
    }
    return;
  }
  const growth::GrowthStandards who = standards();
  const growth::ChildRecord& child = childNamed(loaded.records, options.child);
  std::string json;
  if (!options.json) {
    std::cout << child.name << "  " << growth::sexText(child.sex) << "  " << calendar::formatDate(child.birth) << '\n';
  }
  for (const growth::Measurement& m : child.measurements) {
    const auto reading = growth::readMeasurement(who, child.sex, child.birth, m);
    if (options.json) {
      json += (json.empty() ? "" : ",") + readingJson(reading);
    } else {
      std::cout << readingLine(reading) << '\n';
    }
  }
  if (options.json) {
    std::cout << "{\"child\":" << jsonString(child.name) << ",\"sex\":" << jsonString(growth::sexWord(child.sex))
              << ",\"birth\":" << jsonString(calendar::formatDate(child.birth)) << ",\"measurements\":[" << json
              << "]}\n";
  }
}

void runChart(const GrowthOptions& options) {
  const auto indicator = growth::indicatorOfWord(options.indicator);
  if (!indicator) {
    failCommand(kExitBadInput, "--indicator is wfa, lhfa, hcfa or wfl, not \"" + options.indicator + "\"");
  }
  const growth::GrowthStandards who = standards();
  const growth::LoadedRecords loaded = records();
  const growth::ChildRecord& child = childNamed(loaded.records, options.child);
  const auto chart = growth::growthChart(who, child, *indicator);
  if (auto failure = growthchart::saveGrowthChart(QString::fromStdString(options.out), chart)) {
    failCommand(kExitBadInput, "cannot save " + options.out + ": " + failure->toStdString());
  }
  std::cout << options.out << '\n';
}

}  // namespace

void addGrowthCommand(CLI::App& app) {
  auto options = std::make_shared<GrowthOptions>();
  auto* growthCommand =
      app.add_subcommand("growth", "Growth records against the WHO Child Growth Standards (0-60 months)");
  growthCommand->require_subcommand(1);

  auto* add = growthCommand->add_subcommand("add", "Add a measurement (and the child, the first time)");
  add->add_option("--child", options->child, "the child's name")->required();
  add->add_option("--sex", options->sex, "boy or girl (a new child)");
  add->add_option("--birth", options->birth, "birth date YYYY-MM-DD (a new child)");
  add->add_option("--date", options->date, "day of the measurement, YYYY-MM-DD")->required();
  add->add_option("--weight", options->weight, "weight in kg");
  add->add_option("--length", options->length, "length (under 2 years, lying) or height in cm");
  add->add_option("--head", options->head, "head circumference in cm");
  add->callback([options] { runAdd(*options); });

  auto* list = growthCommand->add_subcommand("list", "Each measurement: age, values, percentile and z-score");
  list->add_option("--child", options->child, "the child's name; without it, the children");
  list->add_flag("--json", options->json, "print JSON");
  list->callback([options] { runList(*options); });

  auto* chart = growthCommand->add_subcommand("chart", "Save the chart with P3-P97 and the child's points");
  chart->add_option("--child", options->child, "the child's name")->required();
  chart->add_option("--out", options->out, "the file, .png or .pdf")->required();
  chart->add_option("--indicator", options->indicator, "wfa (default), lhfa, hcfa or wfl");
  chart->callback([options] { runChart(*options); });
}

}  // namespace quillan::cli
