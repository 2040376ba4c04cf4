#pragma once

#include <optional>
#include <string_view>

#include "calendar/Date.h"
#include "chars/CharacterLookup.h"
#include "evaluate/Evaluation.h"

namespace quillan::evaluate {

// Said when the birth hour is not a whole number from 0 to 23: any other text would give a wrong
// date-time and wrong pillars.
inline constexpr std::string_view kBirthHourProblem = "出生时辰应为0到23之间的整数";

// The birth hour as typed ("8", " 23 "), or nullopt for anything but a whole number 0-23.
std::optional<int> parseBirthHour(std::string_view text);

// Everything a certificate shows: the name's evaluation with the birth-date texts of the date and
// hour. The hour must be 0-23. Input, lookup and service problems end it
// as evaluateName does.
Evaluation certificateEvaluation(std::string_view surname, std::string_view given, const calendar::Date& birthDate,
                                 int hour, chars::CharacterLookup& lookup);

}  // namespace quillan::evaluate
