// quillan-cli char <汉字>: the dictionary record of one character, through the data service:
// "simplified,traditional,pinyin,strokes,element".
#include <iostream>
#include <memory>

#include "chars/CharRecord.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "cli/ServiceConnection.h"
#include "common/GbkCodec.h"
#include "dataservice/LookupQueries.h"
#include "sources/LookupColumns.h"

namespace quillan::cli {

void addCharCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command = app.add_subcommand(
      "char", "Print a character's record (simplified,traditional,pinyin,strokes,element) and its meaning");
  auto character = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  command->add_option("character", *character, "One Chinese character")->required();
  command->add_flag("--json", *json, "Print everything the dictionary knows of it as JSON");
  command->callback([character, json, service] {
    const auto codePoints = common::decodeUtf8(*character);
    if (!codePoints || codePoints->size() != 1 || !common::isGbkHanCharacter(codePoints->front())) {
      failCommand(kExitBadInput, "char wants one Chinese character (one that GBK encodes), not \"" + *character + "\"");
    }
    ServiceConnection connection(*service);
    const auto result = connection.client().runQueryDetailed(dataservice::characterLookupQuery(*character));
    if (!result.answered) {
      failCommand(kExitServiceUnreachable, connection.description() + " did not answer the lookup");
    }
    if (dataservice::dataRowCount(result.table) == 0) {
      failCommand(kExitNotFound, *character + " is not in the dictionary of " + connection.description());
    }
    const auto record = sources::recordFromLookup(result.table);
    const auto details = sources::detailsFromLookup(result.table);
    if (*json) {
      std::cout << characterJson(record, details) << '\n';
      return;
    }
    std::cout << chars::entryText(record) << '\n';
    if (!details.meaning.empty()) {
      std::cout << "字义：" << details.meaning << '\n';
    }
  });
}

}  // namespace quillan::cli
