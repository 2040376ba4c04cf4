#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillan::dictionary {

// Calls `onLine` for every line of a bzip2-compressed text file (line ends removed).
// Returns false, with a message in `error`, when the file cannot be opened or is not valid bzip2.
bool forEachBzipLine(const std::string& path, const std::function<void(std::string_view)>& onLine, std::string& error);

}  // namespace quillan::dictionary
