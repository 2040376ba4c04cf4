#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace quillan::pastime {

// The rows of a data file of data/signs or data/sticks: the header must be `header`, and every row
// has as many tab-separated fields, none empty. The reason when the file is missing or not so.
std::variant<std::vector<std::vector<std::string>>, std::string> readTsvRows(const std::filesystem::path& file,
                                                                             const std::vector<std::string>& header);

}  // namespace quillan::pastime
