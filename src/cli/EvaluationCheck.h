#pragma once

#include "cli/ServiceConnection.h"
#include "evaluate/Evaluation.h"

namespace quillan::cli {

// Ends the command with the evaluation's message and a matching exit code unless it is done.
void requireEvaluated(const evaluate::Evaluation& evaluation, const ServiceConnection& connection);

}  // namespace quillan::cli
