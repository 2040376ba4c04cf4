#pragma once

#include <string>

namespace quillan::generate {

enum class GenerationStatus {
  Completed,           // the mode ran (possibly producing no rows, as with "高级算法")
  Refused,             // the input was refused before anything ran
  ServiceUnreachable,  // the data service did not answer
  CharacterNotFound,   // the dictionary has no stroke count for the surname or a fixed character
};

// How a run ended. When status is not Completed, no row was written and message is the sentence
// to show in a message box captioned kMessageCaption.
struct GenerationOutcome {
  GenerationStatus status = GenerationStatus::Completed;
  int rowsWritten = 0;
  std::string message;
  // High-score runs only: "本次共生成高分名字N个", shown in a message box when the run ends.
  std::string summary;
};

}  // namespace quillan::generate
