#pragma once

// The Generate command, for the window and the command line.
//
//   GenerationRequest request;            // the window's selections, read once
//   request.surname = "李";
//   request.mode = GenerationMode::HighScore;
//   auto outcome = runGenerate(request, lists, lookup,
//                              {.row = [&](ResultRow row) { model.append(std::move(row)); },
//                               .progress = [&](std::string_view label, int range, int position) { … }});
//   if (!outcome.message.empty()) showMessage(kMessageCaption, outcome.message);
//   if (!outcome.summary.empty()) showMessage(outcome.summary);
//
// A run owns all its state (no globals), so it may run on a worker thread; the callbacks are
// called on that thread. The caller empties its result list before the run and keeps "生成" and
// "导出" disabled until it returns. High-score and self-chosen runs always make three-character
// names: the window switches its name length to "三字" for them.
//
// The lookup over the data service is sources::ServiceCharacterLookup; chars::MemoryCharacterLookup
// answers from memory. The "导出" button writes the rows with exportResultList (ResultExport.h).

#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"
#include "generate/GenerationMessages.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationRequest.h"
#include "generate/GenerationSinks.h"
#include "generate/RequestCheck.h"
#include "generate/ResultRow.h"

namespace quillan::generate {

// Takes its own copy of the request, so edits made while it runs cannot reach its rows. Checks the
// request (refusals come back with their problem and message, and nothing else happens), looks up
// the surname and, where used, the generation character through the lookup, then runs the chosen
// mode. Rows go to sinks.row as they are finished.
GenerationOutcome runGenerate(GenerationRequest request, const chars::CharacterLists& lists,
                              chars::CharacterLookup& lookup, const GenerationSinks& sinks = {});

// The same for a request already checked (the window checks on its own thread to answer at once).
GenerationOutcome runGenerate(const CheckedRequest& run, const chars::CharacterLists& lists,
                              chars::CharacterLookup& lookup, const GenerationSinks& sinks = {});

}  // namespace quillan::generate
