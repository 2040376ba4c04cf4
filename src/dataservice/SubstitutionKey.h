#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::common {
class RandomGenerator;
}

namespace quillan::dataservice {

// The letters that stand for the digits "1" ... "9", "0" and for ":" in the key stage of a
// request. Client and service must share it; its text form is 11 letters joined by ",".
using SubstitutionKey = std::vector<std::string>;

inline constexpr std::size_t kKeyEntryCount = 11;

// Splits the key text at ","; the count is not checked here (a wrong count empties the query).
SubstitutionKey splitKeyText(std::string_view keyText);

// The text form: entries joined by ",".
std::string keyText(const SubstitutionKey& key);

// Exactly 11 entries, each one lowercase letter, none repeated.
bool isValidKey(const SubstitutionKey& key);

// Why a key is not valid, or the empty text when it is.
std::string keyProblem(const SubstitutionKey& key);

// A fresh valid key: 11 distinct letters drawn from a..z.
SubstitutionKey drawKey(common::RandomGenerator& random);

}  // namespace quillan::dataservice
