#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan::growth {

// WHO keeps separate tables for boys and girls.
enum class Sex { Boy, Girl };

// "boy" / "girl", the word of the records file and the command line.
std::string_view sexWord(Sex sex);
std::optional<Sex> sexOfWord(std::string_view word);

// "男孩" / "女孩", as the window shows it.
std::string sexText(Sex sex);

}  // namespace quillan::growth
