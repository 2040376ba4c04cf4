#pragma once

#include <string>
#include <string_view>

namespace quillan::common {

// A sort key for readings written with tone marks ("lǐ míng huá"): each syllable's plain letters
// followed by its tone digit (1-4, 5 for the neutral tone), so that names order by sound first and
// tone second, as a dictionary does: "li3 ming2 hua2". ü sorts as "v", after "u".
std::string pinyinKey(std::string_view pinyin);

}  // namespace quillan::common
