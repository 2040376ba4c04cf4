#pragma once

#include <string>

#include "chartable/CharacterTable.h"

namespace quillan::content {

// True for a character of the 3755 first-level characters of GB 2312 (GBK codes B0A1–D7F9 with
// a trail byte from A1), the common characters.
bool isFirstLevelCharacter(int gbkCode);

// "cydyzb.htm", the page "常用多音字表": the common characters with two readings or more, from the
// dictionary's readings, in the pinyin order of their usual reading, grouped by initial letter.
std::string polyphonesPageHtml(const chartable::CharacterTable& dictionary);

}  // namespace quillan::content
