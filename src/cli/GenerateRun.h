#pragma once

#include <ctime>
#include <functional>
#include <ostream>

#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"
#include "cli/GenerateOptions.h"

namespace quillan::cli {

// Opens the character lookup; called only once the input has passed its checks, so refused input
// never waits for a service.
using LookupProvider = std::function<chars::CharacterLookup&()>;

// One `quillan-cli generate`: the request the options describe, run with the given lists and
// lookup; rows on out (or into the export file of --out), messages on err. Returns the exit code:
// 0, 2 for input the window would refuse, 3 when the data service does not answer, 4 when the
// dictionary lacks a character the run needs, 1 when the export file cannot be written.
int runGenerateCommand(const GenerateOptions& options, const std::tm& now, const chars::CharacterLists& lists,
                       const LookupProvider& lookup, std::ostream& out, std::ostream& err);

}  // namespace quillan::cli
