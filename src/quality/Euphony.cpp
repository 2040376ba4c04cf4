#include "quality/Euphony.h"

#include <algorithm>

namespace quillan::quality {
namespace {

// Calls visit(rule, first, last) for every rule that applies, in a fixed order; the one walk over the
// syllables that both the score and its explanation use.
template <class Visit>
void applyRules(NameView name, Visit&& visit) {
  const std::size_t n = name.size();
  const auto tone = [&](std::size_t i) { return name[i]->syllable.tone; };
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (tone(i) == 0 || tone(i + 1) == 0) {
      continue;
    }
    if (tone(i) != tone(i + 1)) {
      visit(EuphonyRule::ToneChange, i, i + 1);
    } else {
      visit(tone(i) == 3 ? EuphonyRule::ThirdTones : EuphonyRule::ToneRepeat, i, i + 1);
    }
  }
  if (n >= 2) {
    const ToneClass last = toneClass(tone(n - 1));
    const ToneClass before = toneClass(tone(n - 2));
    if (last != ToneClass::Toneless && before != ToneClass::Toneless && last != before) {
      visit(EuphonyRule::EndingContrast, n - 2, n - 1);
      if (n >= 3 && toneClass(tone(n - 3)) == before) {
        visit(EuphonyRule::Cadence, n - 3, n - 1);
      }
    }
    if (name[n - 1]->syllable.open()) {
      visit(EuphonyRule::OpenEnding, n - 1, n - 1);
    }
  }
  for (std::size_t start = 0; start < n;) {
    std::size_t end = start;
    while (end < n && name[end]->syllable.nasal()) {
      ++end;
    }
    if (end - start >= 3) {
      visit(EuphonyRule::NasalRun, start, end - 1);
    }
    start = end + 1;
  }
  for (std::size_t i = 0; i + 2 < n; ++i) {
    const Syllable& a = name[i]->syllable;
    const Syllable& b = name[i + 2]->syllable;
    if (a.toneless.empty() || b.toneless.empty() || name[i]->character == name[i + 2]->character) {
      continue;
    }
    if (!a.initial.empty() && a.initial == b.initial) {
      visit(EuphonyRule::InitialEcho, i, i + 2);
    }
    if (a.final == b.final) {
      visit(EuphonyRule::RhymeEcho, i, i + 2);
    }
  }
}

int clamped(int score) { return std::clamp(score, 0, 100); }

}  // namespace

const EuphonyRuleInfo& euphonyRuleInfo(EuphonyRule rule) { return kEuphonyRules[static_cast<std::size_t>(rule)]; }

int euphonyOf(NameView name) {
  int score = kEuphonyBase;
  applyRules(name, [&](EuphonyRule rule, std::size_t, std::size_t) { score += euphonyRuleInfo(rule).points; });
  return clamped(score);
}

EuphonyScore explainEuphony(NameView name) {
  EuphonyScore result;
  int score = kEuphonyBase;
  applyRules(name, [&](EuphonyRule rule, std::size_t first, std::size_t last) {
    const EuphonyRuleInfo& info = euphonyRuleInfo(rule);
    std::string characters;
    std::string readings;
    for (std::size_t i = first; i <= last; ++i) {
      if (rule == EuphonyRule::InitialEcho || rule == EuphonyRule::RhymeEcho) {
        if (i != first && i != last) {
          continue;
        }
      }
      characters += name[i]->character;
      readings += (readings.empty() ? "" : " ") + name[i]->reading;
    }
    const std::string points = (info.points > 0 ? "+" : "") + std::to_string(info.points);
    result.steps.push_back(
        {rule, info.points,
         "「" + characters + "」" + readings + "：" + std::string(info.reason) + "（" + points + "）"});
    score += info.points;
  });
  result.score = clamped(score);
  return result;
}

}  // namespace quillan::quality
