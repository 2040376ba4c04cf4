#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quality/AvoidTables.h"
#include "quality/Euphony.h"
#include "quality/SoundedChar.h"
#include "quality/UserAvoidance.h"

namespace quillan::quality {

// The checks a name must pass to be proposed by "高级算法".
enum class Gate {
  RareCharacter = 1,  // G1 a given-name character outside the 通用规范汉字表
  FlatTones,          // G2 every syllable of the full name has the same tone
  Alliteration,       // G3 双声/叠韵 of adjacent syllables
  Homophone,          // G4 sounds like a word of the avoid lexicon
  AvoidedCharacter,   // G5 a character or sound on the built-in or the family's avoid list
  Polyphone,          // G6 a reader may guess another reading (a warning only)
};

std::string_view gateId(Gate gate);    // "G1" … "G6"
std::string_view gateName(Gate gate);  // "生僻字" …

// One thing the check found: a failed gate (blocking) or a warning.
struct Finding {
  Gate gate;
  bool blocking = true;
  std::string text;  // "「杜子腾」读音近「肚子疼」（谐音笑话）"

  bool operator==(const Finding&) const = default;
};

struct Verdict {
  unsigned failedGates = 0;  // bit (1 << gate) of every blocking finding
  unsigned warnedGates = 0;  // the same for the warnings
  bool userAvoided = false;  // the family's own list caught it (applies under "普通算法" too)
  int euphony = kEuphonyBase;

  bool passes() const { return failedGates == 0; }
  bool failed(Gate gate) const { return (failedGates & (1U << static_cast<unsigned>(gate))) != 0; }
};

// Everything the report shows of a name's sound.
struct Assessment {
  std::vector<SoundedChar> characters;  // copies, so that the assessment stands alone
  std::string pattern;                  // 平仄 of each syllable: "仄平平"
  EuphonyScore euphony;
  std::vector<Finding> findings;  // blocking ones first, in gate order
  Verdict verdict;
};

class QualityChecker {
 public:
  explicit QualityChecker(const AvoidTables& tables = AvoidTables::builtIn(), UserAvoidance user = {});

  // A character prepared for the checks. `reading` is how it is read in this name (a surname's
  // surname reading); tghLevel is its level in the 通用规范汉字表, 0 outside it, -1 unknown.
  SoundedChar sound(std::string_view character, std::string_view reading, bool given, int tghLevel) const;

  // The verdict alone: no texts are made (the generation's hot path).
  Verdict judge(NameView name) const;

  Assessment assess(NameView name) const;

  const UserAvoidance& user() const { return user_; }

 private:
  template <class Report>
  void examine(NameView name, Report&& report) const;

  const AvoidTables& tables_;
  UserAvoidance user_;
};

}  // namespace quillan::quality
