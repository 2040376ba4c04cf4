#pragma once

#include <ctime>
#include <ostream>

#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"
#include "cli/GenerateOptions.h"

namespace quillan::cli {

// One `quillan-cli generate`: the request the options describe, run with the given lists and
// lookup; rows on out (or into the export file of --out), messages on err. Returns the exit code:
// 0, 2 for input the window would refuse, 3 when the data service does not answer, 4 when the
// dictionary lacks a character the run needs, 1 when the export file cannot be written.
int runGenerateCommand(const GenerateOptions& options, const std::tm& now, const chars::CharacterLists& lists,
                       chars::CharacterLookup& lookup, std::ostream& out, std::ostream& err);

}  // namespace quillan::cli
