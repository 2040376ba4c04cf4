#pragma once

#include <array>
#include <string>

#include <optional>

#include "bazi/BirthChart.h"
#include "chars/CharDetails.h"
#include "chars/CharRecord.h"
#include "evaluate/ReportFields.h"
#include "quality/NameQuality.h"

namespace quillan::evaluate {

// The texts of one of the 81 numbers: columns 2-5 of its row in z81.
struct NumberTexts {
  std::string title;
  std::string luck;
  std::string hint;
  std::string detail;
};

// The texts of a three-talents combination, as its row in zsancai holds them.
struct TalentTexts {
  std::string title;  // the combination, "木火土"
  std::string luck;
  std::string detail;
  std::string basicText;
  std::string basicLuck;
  std::string successText;
  std::string successLuck;
  std::string relationText;
  std::string relationLuck;
  std::string characterText;
};

// Everything a report shows, gathered before the templates are filled.
struct ReportInputs {
  // In display order; a missing second surname or given-name character is an empty record.
  chars::CharRecord surname1;
  chars::CharRecord surname2;
  chars::CharRecord given1;
  chars::CharRecord given2;
  std::array<chars::CharDetails, 4> details{};  // the same four positions
  std::array<int, 5> grids{};                   // 天格, 人格, 地格, 外格, 总格
  std::array<NumberTexts, 5> numberTexts;       // same order
  TalentTexts talentTexts;
  std::string scoreText;
  quality::Assessment sound;              // how the full name reads, and what its characters warn of
  std::optional<bazi::BirthChart> chart;  // the child's birth chart, when the birth date is known
};

ReportFields buildReportFields(const ReportInputs& inputs);

// The number whose z81 texts describe a grid: numbers above 81 are reduced by 80 until they fit.
int numberForTexts(int gridNumber);

}  // namespace quillan::evaluate
