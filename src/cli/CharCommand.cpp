// quillan-cli char <汉字>: the dictionary record of one character, through the data service:
// "simplified,traditional,pinyin,strokes,element".
#include <iostream>
#include <memory>

#include "chars/CharRecord.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/ServiceConnection.h"
#include "common/GbkCodec.h"
#include "dataservice/LookupQueries.h"
#include "sources/LookupColumns.h"

namespace quillan::cli {

void addCharCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command =
      app.add_subcommand("char", "Print a character's record: simplified,traditional,pinyin,strokes,element");
  auto character = std::make_shared<std::string>();
  command->add_option("character", *character, "One Chinese character")->required();
  command->callback([character, service] {
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
    std::cout << chars::entryText(sources::recordFromLookup(result.table)) << '\n';
  });
}

}  // namespace quillan::cli
