#pragma once

#include "chars/CharacterLookup.h"
#include "generate/GenerationContext.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationSinks.h"
#include "generate/RequestCheck.h"

namespace quillan::generate {

// 自选模式: looks up each typed character in turn (progress "处理进度："), then writes every ordered
// pair of them as a two-character given name, unfiltered, n × n rows (progress "生成进度："). A
// character the dictionary lacks is named in one notice and left out; a service that does not
// answer ends the run with no rows.
GenerationOutcome runSelfChosenMode(const CheckedRequest& run, const GenerationContext& context,
                                    chars::CharacterLookup& lookup, const GenerationSinks& sinks);

}  // namespace quillan::generate
