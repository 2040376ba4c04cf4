#include "cli/EvaluationCheck.h"

#include "cli/CommandFailure.h"
#include "cli/Commands.h"

namespace quillan::cli {

void requireEvaluated(const evaluate::Evaluation& evaluation, const ServiceConnection& connection) {
  switch (evaluation.status) {
    case evaluate::EvaluationStatus::Done:
      return;
    case evaluate::EvaluationStatus::BadInput:
      failCommand(kExitBadInput, evaluation.message);
    case evaluate::EvaluationStatus::ServiceUnreachable:
      failCommand(kExitServiceUnreachable, evaluation.message + "（" + connection.description() + "）");
    case evaluate::EvaluationStatus::CharacterNotFound:
      failCommand(kExitNotFound, evaluation.message);
  }
}

}  // namespace quillan::cli
