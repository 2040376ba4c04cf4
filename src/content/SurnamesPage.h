#pragma once

#include <span>
#include <string>

#include "chartable/CharacterTable.h"
#include "content/Surnames.h"

namespace quillan::content {

// "bjx.htm", the page "百家姓": the surnames with pinyin, traditional form and Kangxi strokes (the
// strokes the five grids count) from the dictionary. Common surnames are listed by pinyin; a
// character the dictionary lacks is shown as such, never with made-up values.
std::string surnamesPageHtml(const chartable::CharacterTable& dictionary, std::span<const Surname> surnames);

}  // namespace quillan::content
