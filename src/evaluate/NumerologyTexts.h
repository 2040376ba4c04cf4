#pragma once

#include <string_view>

#include "evaluate/ReportBuilder.h"

namespace quillan::evaluate {

// Where the report's long texts come from: the 81 numbers and the three-talents combinations.
// Passed in, so that tests answer from memory and the program from the data service.
class NumerologyTexts {
 public:
  virtual ~NumerologyTexts() = default;

  // Texts of a number 1-81 (empty texts when there are none).
  virtual NumberTexts numberTexts(int number) = 0;

  // Texts of a combination such as "木火土".
  virtual TalentTexts talentTexts(std::string_view combination) = 0;

 protected:
  NumerologyTexts() = default;
  NumerologyTexts(const NumerologyTexts&) = default;
  NumerologyTexts& operator=(const NumerologyTexts&) = default;
};

}  // namespace quillan::evaluate
