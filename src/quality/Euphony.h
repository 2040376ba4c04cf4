#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "quality/SoundedChar.h"

namespace quillan::quality {

// 音律分: how smoothly a full name reads, from kEuphonyBase plus the points of every rule that
// applies, kept within 0-100. The rules and their points live only in this table.
enum class EuphonyRule {
  ToneChange,      // adjacent syllables of different tones
  ToneRepeat,      // adjacent syllables of the same tone (not both third)
  ThirdTones,      // two third tones in a row: the first turns into a second tone
  EndingContrast,  // the last syllable's 平仄 differs from the one before it
  Cadence,         // the last three read 平平仄 or 仄仄平
  OpenEnding,      // the last syllable ends in a vowel and carries
  NasalRun,        // three or more n/ng finals in a row
  InitialEcho,     // syllables one apart share their initial
  RhymeEcho,       // syllables one apart share their final
};

struct EuphonyRuleInfo {
  EuphonyRule rule;
  int points;
  std::string_view reason;  // shown in the report after the syllables it concerns
};

inline constexpr int kEuphonyBase = 70;

inline constexpr std::array<EuphonyRuleInfo, 9> kEuphonyRules{{
    {EuphonyRule::ToneChange, 5, "相邻两字声调不同，读来有起伏"},
    {EuphonyRule::ToneRepeat, -6, "相邻两字声调相同，读来平板"},
    {EuphonyRule::ThirdTones, -8, "两个上声相连，前一字要变读，读来拗口"},
    {EuphonyRule::EndingContrast, 6, "末字与前一字平仄相间，收尾有变化"},
    {EuphonyRule::Cadence, 4, "平平仄或仄仄平，节奏分明"},
    {EuphonyRule::OpenEnding, 5, "末字是开口音，声音响亮"},
    {EuphonyRule::NasalRun, -6, "三个鼻音韵尾连读，声音发闷"},
    {EuphonyRule::InitialEcho, -3, "隔字声母相同，稍嫌重复"},
    {EuphonyRule::RhymeEcho, -2, "隔字韵母相同，稍嫌重复"},
}};

const EuphonyRuleInfo& euphonyRuleInfo(EuphonyRule rule);

// One rule applied to the syllables first..last (inclusive).
struct EuphonyStep {
  EuphonyRule rule;
  int points;
  std::string text;  // "「明华」míng huá：相邻两字声调不同，读来有起伏（+5）"
};

struct EuphonyScore {
  int score = kEuphonyBase;
  std::vector<EuphonyStep> steps;
};

// The score alone, for ranking tens of thousands of names.
int euphonyOf(NameView name);

// The score with the reason of every step.
EuphonyScore explainEuphony(NameView name);

}  // namespace quillan::quality
