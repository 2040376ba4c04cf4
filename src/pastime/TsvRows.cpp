#include "pastime/TsvRows.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/TextSplit.h"
#include "common/TsvTable.h"

namespace quillan::pastime {

std::variant<std::vector<std::vector<std::string>>, std::string> readTsvRows(const std::filesystem::path& file,
                                                                             const std::vector<std::string>& header) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return "cannot open " + file.string();
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return common::tsvRows(text.str(), file.string(), common::joinText(header, "\t"));
  } catch (const std::invalid_argument& fault) {
    return std::string(fault.what());
  }
}

}  // namespace quillan::pastime
