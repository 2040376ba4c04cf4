#pragma once

#include <string>
#include <vector>

#include "bazi/BirthChart.h"
#include "evaluate/ReportBuilder.h"

namespace quillan::folk {

// 姓命配对: how a name sits with a birth chart, by one stated rule.
//
// The chart favours its 用神 and 喜神. It disfavours what pulls the other way: a weak day stem (身弱)
// the three elements that drain, consume or control it (食伤, 财, 官杀); a strong one (身强) its own
// element and the one generating it (比劫, 印). Every other element is neutral.
//
// Each character counts by its element (字意五行, with the basis the dictionary gives), each of the
// 天格, 人格 and 地格 by the element of its number. The balance is the favoured minus the disfavoured
// among the given name's characters and the 人格 and 地格 (the surname and the 天格 it makes are
// shown, not counted: a family does not choose them).
enum class Effect { Helps, Neutral, Hinders };

struct MatchLine {
  std::string label;    // "「明」" or "人格 23"
  std::string element;  // "火"; empty when unknown
  Effect effect = Effect::Neutral;
  bool counted = true;  // part of the balance
  std::string reason;   // "字意五行火（按字义），补用神火"
};

struct NameMatch {
  std::vector<MatchLine> lines;  // the surname's characters, the given name's, then 天格, 人格, 地格
  int balance = 0;
  std::string verdict;  // "相配较好", "大体平和", "略有相违"
  std::string summary;  // one sentence: the verdict and which characters help or hinder
};

NameMatch matchName(const evaluate::ReportInputs& name, const bazi::BirthChart& chart);

}  // namespace quillan::folk
