#pragma once

#include <string>

namespace quillan::generate {

enum class GenerationStatus {
  Completed,           // the mode ran (possibly producing no rows, as with "高级算法")
  Refused,             // the input was refused before anything ran
  ServiceUnreachable,  // the data service did not answer
  CharacterNotFound,   // the dictionary has no stroke count for the surname or a fixed character
};

// Why a request is refused; each names the box the user must correct.
enum class RequestProblem {
  EnterSurname,          // "请输入姓氏"
  SurnameNotChinese,     // "姓氏只能是中文汉字"
  SurnameLength,         // "姓氏只能是一个或两个汉字"
  EnterGenerationChar,   // "请输入一个辈份字"
  EnterSelfChosen,       // "请输入要组合成名字的汉字"
  SelfChosenNotChinese,  // "只能输入中文汉字"
  EmptyList,             // "名字字库为空，无法生成名字"
};

// How a run ended. When status is not Completed, no row was written and message is the sentence
// to show in a message box captioned kMessageCaption.
struct GenerationOutcome {
  GenerationStatus status = GenerationStatus::Completed;
  int rowsWritten = 0;
  std::string message;
  // High-score runs only: "本次共生成高分名字N个", shown in a message box when the run ends.
  std::string summary;
  RequestProblem refusal = RequestProblem::EnterSurname;  // read only when status is Refused
};

}  // namespace quillan::generate
