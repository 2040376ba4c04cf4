// quillan-cli score <姓> <名> [--json] [--html FILE] [--text FILE] [--avoid …]: the name report through the
// data service; the text report on stdout (UTF-8), or the evaluation as JSON.
#include <array>
#include <iostream>
#include <memory>

#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/EvaluationCheck.h"
#include "cli/JsonText.h"
#include "cli/ServiceConnection.h"
#include "evaluate/Evaluation.h"
#include "evaluate/ReportOutput.h"
#include "sources/ServiceCharacterLookup.h"
#include "sources/ServiceNumerologyTexts.h"

namespace quillan::cli {
namespace {

std::string evaluationJson(const evaluate::Evaluation& e) {
  const auto& in = e.inputs;
  std::string characters;
  const std::array records = {&in.surname1, &in.surname2, &in.given1, &in.given2};
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!records[i]->simplified.empty()) {
      characters += (characters.empty() ? "" : ",") + characterJson(*records[i], in.details[i]);
    }
  }
  std::string grids;
  for (int grid : in.grids) {
    grids += (grids.empty() ? "" : ",") + std::to_string(grid);
  }
  const auto& r = e.result;
  return "{\"name\":" + jsonString(r.name) + ",\"characters\":[" + characters + "],\"grids\":[" + grids +
         "],\"characterElements\":" + jsonString(r.elements) + ",\"gridElements\":" + jsonString(r.talents) +
         ",\"luck\":" + jsonString(r.luck) + ",\"score\":" + jsonString(r.score) +
         ",\"verdict\":" + jsonString(r.verdict) + ",\"quality\":" + qualityJson(in.sound) + "}";
}

}  // namespace

void addScoreCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command = app.add_subcommand("score", "Score a full name and print its report");
  struct Options {
    std::string surname;
    std::string given;
    bool json = false;
    std::string html;
    std::string text;
    std::string avoid;
    std::string avoidSound;
  };
  auto options = std::make_shared<Options>();
  command->add_option("surname", options->surname, "姓: one or two Chinese characters")->required();
  command->add_option("given", options->given, "名: one or two Chinese characters")->required();
  command->add_flag("--json", options->json, "Print the evaluation as JSON instead of the text report");
  command->add_option("--html", options->html, "Also write the HTML report page here (GBK)");
  command->add_option("--text", options->text, "Also write the text report here (GBK)");
  command->add_option("--avoid", options->avoid, "Characters the family avoids, warned of in the report: 国华");
  command->add_option("--avoid-sound", options->avoidSound, "Sounds the family avoids: guo,hua");
  command->callback([options, service] {
    // Refuse bad input before any service is started.
    if (const auto problem = evaluate::nameInputProblem(options->surname, options->given)) {
      failCommand(kExitBadInput, problem->message);
    }
    auto avoidance = quality::parseUserAvoidance(options->avoid, options->avoidSound);
    if (const auto* problem = std::get_if<std::string>(&avoidance)) {
      failCommand(kExitBadInput, "--avoid or --avoid-sound: " + *problem);
    }
    ServiceConnection connection(*service);
    sources::ServiceCharacterLookup lookup(connection.client());
    const auto evaluation =
        evaluate::evaluateName(options->surname, options->given, lookup, std::get<quality::UserAvoidance>(avoidance));
    requireEvaluated(evaluation, connection);
    sources::ServiceNumerologyTexts texts(connection.client());
    auto fields = evaluate::reportFields(evaluation, texts);
    if (!options->html.empty()) {
      if (const auto problem = evaluate::writeHtmlReport(options->html, fields)) {
        failCommand(1, "保存失败：" + *problem);
      }
    }
    if (options->json) {
      std::cout << evaluationJson(evaluation) << '\n';
    } else {
      std::cout << evaluate::textReport(fields) << '\n';
    }
    if (!options->text.empty()) {
      if (const auto problem = evaluate::saveReportText(options->text, fields)) {
        failCommand(1, "保存失败：" + *problem);
      }
    }
  });
}

}  // namespace quillan::cli
