#include "growth/Sex.h"

namespace quillan::growth {

std::string_view sexWord(Sex sex) { return sex == Sex::Boy ? "boy" : "girl"; }

std::optional<Sex> sexOfWord(std::string_view word) {
  if (word == "boy") {
    return Sex::Boy;
  }
  if (word == "girl") {
    return Sex::Girl;
  }
  return std::nullopt;
}

std::string sexText(Sex sex) { return sex == Sex::Boy ? "男孩" : "女孩"; }

}  // namespace quillan::growth
