#pragma once

#include <string>
#include <vector>

#include "bazi/BirthChart.h"

namespace quillan::bazi {

std::string strengthWord(const BirthChart& chart);  // "身强" or "身弱"

// One line for the generation page: "八字：癸巳 丁巳 丙戌 癸巳 · 身弱 · 喜用神：木、火" (用神 first).
std::string chartLine(const BirthChart& chart);

// Why, in a sentence: "日主丙火生于巳月，得令；……，身强，喜用神为水、金。"
std::string reasonSentence(const BirthChart& chart);

// Every step of the method with its numbers, one line each, for the dialog, the report and the CLI.
std::vector<std::string> methodSteps(const BirthChart& chart);

// "木2 火3 土1 金0 水2".
std::string countsText(const BirthChart& chart);

}  // namespace quillan::bazi
