#pragma once

#include <string>
#include <vector>

namespace quillan::shortlist {

// One name the family keeps: what the result row or the scoring page knew of it, and their note.
struct ShortlistEntry {
  std::string surname;  // "李", "欧阳"
  std::string given;    // "明华"
  std::string score;    // as shown, "96.5"; empty when not scored
  std::string pinyin;   // "lǐ míng huá"; may be empty
  int euphony = -1;     // 音律分, -1 when not judged
  std::string added;    // the day it was added, "2026-12-10"
  std::string note;     // free text, may hold line breaks

  std::string fullName() const { return surname + given; }
  bool operator==(const ShortlistEntry&) const = default;
};

using Shortlist = std::vector<ShortlistEntry>;

}  // namespace quillan::shortlist
