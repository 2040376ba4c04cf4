#include "common/TsvTable.h"

#include <stdexcept>

#include "common/TextSplit.h"

namespace quillan::common {

std::vector<std::vector<std::string>> tsvRows(std::string_view text, std::string_view name, std::string_view header,
                                              EmptyFields empties) {
  std::vector<std::vector<std::string>> rows;
  const auto lines = splitText(text, "\n");
  const std::size_t columns = splitText(header, "\t").size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = std::string(name) + " line " + std::to_string(i + 1) + ": ";
    if (i == 0) {
      if (line != header) {
        throw std::invalid_argument(where + "the header must be: " + std::string(header));
      }
      continue;
    }
    if (line.empty() && i + 1 == lines.size()) {
      break;
    }
    auto fields = splitText(line, "\t");
    if (fields.size() != columns) {
      throw std::invalid_argument(where + "expected " + std::to_string(columns) + " fields");
    }
    for (const auto& field : fields) {
      if (field.empty() && empties == EmptyFields::Refused) {
        throw std::invalid_argument(where + "a field is empty");
      }
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

}  // namespace quillan::common
