// quillan-cli shortlist add|list|remove|compare|export: the window's "备选名单" on the same file
// (the user's data folder), so that a name kept in one shows in the other.
#include <iostream>
#include <memory>

#include "chars/NameMeanings.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/EvaluationCheck.h"
#include "cli/JsonText.h"
#include "cli/ServiceConnection.h"
#include "common/LocalTime.h"
#include "common/TextSplit.h"
#include "compare/Comparison.h"
#include "evaluate/Evaluation.h"
#include "printout/PaperDocuments.h"
#include "shortlist/ShortlistStore.h"
#include "sources/ServiceCharacterLookup.h"
#include "sources/ServiceNumerologyTexts.h"

namespace quillan::cli {
namespace {

constexpr int kExitWriteFailed = 1;

std::string today() { return common::localTimeText("%Y-%m-%d"); }

std::string meaningsOf(const std::string& given) {
  std::string text;
  for (const std::string& character : common::splitCharacters(given)) {
    const std::string_view meaning = chars::meaningOf(character);
    if (!meaning.empty()) {
      text += (text.empty() ? "" : "；") + character + "：" + std::string(meaning);
    }
  }
  return text;
}

// Says what the store must tell, and ends the command when the change did not happen.
shortlist::Shortlist requireDone(const shortlist::StoreOutcome& outcome, int exitCode) {
  if (!outcome.notice.empty()) {
    std::cerr << "quillan-cli: " << outcome.notice << '\n';
  }
  if (!outcome.ok) {
    failCommand(exitCode, outcome.message);
  }
  return outcome.list;
}

const shortlist::ShortlistEntry& entryNamed(const shortlist::Shortlist& list, const std::string& fullName) {
  for (const auto& entry : list) {
    if (entry.fullName() == fullName) {
      return entry;
    }
  }
  failCommand(kExitBadInput, "「" + fullName + "」不在备选名单中");
}

std::string entryJson(const shortlist::ShortlistEntry& e) {
  return "{\"name\":" + jsonString(e.fullName()) + ",\"surname\":" + jsonString(e.surname) +
         ",\"given\":" + jsonString(e.given) + ",\"score\":" + jsonString(e.score) +
         ",\"pinyin\":" + jsonString(e.pinyin) + ",\"euphony\":" + std::to_string(e.euphony) +
         ",\"meanings\":" + jsonString(meaningsOf(e.given)) + ",\"added\":" + jsonString(e.added) +
         ",\"note\":" + jsonString(e.note) + "}";
}

}  // namespace

void addShortlistCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command = app.add_subcommand("shortlist", "The shortlist 备选名单, shared with the window");
  command->require_subcommand(1);
  const auto store = [] { return shortlist::ShortlistStore(shortlist::ShortlistStore::defaultFile()); };

  struct AddOptions {
    std::string surname;
    std::string given;
    std::string note;
  };
  auto add = std::make_shared<AddOptions>();
  auto* addCommand = command->add_subcommand("add", "Score a name and keep it on the shortlist");
  addCommand->add_option("surname", add->surname, "姓: one or two Chinese characters")->required();
  addCommand->add_option("given", add->given, "名: one or two Chinese characters")->required();
  addCommand->add_option("--note", add->note, "A note to keep with the name");
  addCommand->callback([add, service, store] {
    if (const auto problem = evaluate::nameInputProblem(add->surname, add->given)) {
      failCommand(kExitBadInput, problem->message);
    }
    ServiceConnection connection(*service);
    sources::ServiceCharacterLookup lookup(connection.client());
    const auto evaluation = evaluate::evaluateName(add->surname, add->given, lookup);
    requireEvaluated(evaluation, connection);
    shortlist::ShortlistEntry entry{add->surname, add->given, evaluation.result.score, {}, -1, today(), add->note};
    for (const chars::CharRecord* record : {&evaluation.inputs.surname1, &evaluation.inputs.surname2,
                                            &evaluation.inputs.given1, &evaluation.inputs.given2}) {
      if (!record->pinyin.empty()) {
        entry.pinyin += (entry.pinyin.empty() ? "" : " ") + record->pinyin;
      }
    }
    requireDone(store().add(entry), kExitBadInput);
    std::cout << "已加入备选名单：" << entry.fullName() << '\n';
  });

  auto json = std::make_shared<std::string>("text");
  auto* listCommand = command->add_subcommand("list", "Print the shortlist");
  listCommand->add_option("--format", *json, "text (one name a line, fields separated by tabs) or json")
      ->check(CLI::IsMember({"text", "json"}));
  listCommand->callback([json, store] {
    const auto list = requireDone(store().read(), kExitWriteFailed);
    if (*json == "json") {
      std::string text = "[";
      for (const auto& entry : list) {
        text += (text.size() > 1 ? ",\n" : "\n") + entryJson(entry);
      }
      std::cout << text << "\n]\n";
      return;
    }
    for (const auto& e : list) {
      std::cout << e.fullName() << '\t' << e.score << '\t' << e.pinyin << '\t'
                << (e.euphony >= 0 ? std::to_string(e.euphony) : "") << '\t' << meaningsOf(e.given) << '\t' << e.added
                << '\t' << e.note << '\n';
    }
  });

  auto removed = std::make_shared<std::string>();
  auto* removeCommand = command->add_subcommand("remove", "Take a name off the shortlist");
  removeCommand->add_option("name", *removed, "The full name, 李明华")->required();
  removeCommand->callback([removed, store] {
    requireDone(store().remove(*removed), kExitBadInput);
    std::cout << "已从备选名单移除：" << *removed << '\n';
  });

  auto compared = std::make_shared<std::vector<std::string>>();
  auto* compareCommand = command->add_subcommand("compare", "Two to four shortlisted names side by side");
  compareCommand->add_option("names", *compared, "Full names on the shortlist")->required()->expected(2, 4);
  compareCommand->callback([compared, service, store] {
    const auto list = requireDone(store().read(), kExitWriteFailed);
    std::vector<shortlist::ShortlistEntry> entries;
    for (const std::string& name : *compared) {
      entries.push_back(entryNamed(list, name));
    }
    ServiceConnection connection(*service);
    sources::ServiceCharacterLookup lookup(connection.client());
    std::vector<compare::ComparedName> names;
    for (const auto& entry : entries) {
      auto evaluation = evaluate::evaluateName(entry.surname, entry.given, lookup);
      requireEvaluated(evaluation, connection);
      names.push_back({std::move(evaluation), entry.euphony});
    }
    sources::ServiceNumerologyTexts texts(connection.client());
    std::cout << compare::comparisonText(compare::compareNames(names, &texts));
  });

  auto pdf = std::make_shared<std::string>();
  auto* exportCommand = command->add_subcommand("export", "Save the shortlist as an A4 PDF, one name a page");
  exportCommand->add_option("--pdf", *pdf, "The PDF file to write")->required();
  exportCommand->callback([pdf, store] {
    const auto list = requireDone(store().read(), kExitWriteFailed);
    if (list.empty()) {
      failCommand(kExitBadInput, "备选名单中还没有名字");
    }
    if (const auto problem = printout::writeShortlistPdf(list, *pdf)) {
      failCommand(kExitWriteFailed, "保存失败：" + *problem);
    }
    std::cout << "已保存为PDF：" << *pdf << '\n';
  });
}

}  // namespace quillan::cli
