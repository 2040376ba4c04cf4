#include "chartable/CharacterTable.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#include "common/TextSplit.h"

namespace quillan::chartable {
namespace {

std::optional<int> parseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::string_view withoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  return line;
}

std::optional<CharacterRow> parseRow(std::string_view line, std::string& fault) {
  const auto fields = common::splitText(line, "\t");
  if (fields.size() != kColumns.size()) {
    fault = std::to_string(fields.size()) + " fields where the header has " + std::to_string(kColumns.size());
    return std::nullopt;
  }
  CharacterRow row;
  std::array<int*, 4> numbers = {&row.id, &row.kangxiStrokes, &row.simplifiedStrokes, &row.radical};
  std::array<std::size_t, 4> numberColumns = {0, 4, 5, 6};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const auto value = parseNumber(fields[numberColumns[i]]);
    if (!value) {
      fault = std::string(kColumns[numberColumns[i]]) + " is not a whole number: \"" + fields[numberColumns[i]] + "\"";
      return std::nullopt;
    }
    *numbers[i] = *value;
  }
  row.simplified = fields[1];
  row.traditional = fields[2];
  row.pinyin = fields[3];
  row.element = fields[7];
  row.readings = splitReadings(fields[8]);
  if (!fields[9].empty()) {
    const auto level = parseNumber(fields[9]);
    if (!level || *level < 1 || *level > 3) {
      fault = "tgh_level is 1, 2, 3 or empty, not \"" + fields[9] + "\"";
      return std::nullopt;
    }
    row.tghLevel = *level;
  }
  row.elementBasis = fields[10];
  if (std::find(kElementBases.begin(), kElementBases.end(), row.elementBasis) == kElementBases.end()) {
    fault = "element_basis is override, meaning, radical or sound, not \"" + fields[10] + "\"";
    return std::nullopt;
  }
  return row;
}

}  // namespace

CharacterTable::CharacterTable(std::vector<CharacterRow> rows) : rows_(std::move(rows)) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const auto [it, added] = bySimplified_.try_emplace(rows_[i].simplified, i);
    if (!added && rows_[it->second].id < rows_[i].id) {
      it->second = i;
    }
  }
}

std::optional<CharacterTable> CharacterTable::parse(std::string_view text, std::string& error) {
  std::vector<CharacterRow> rows;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto line = withoutCarriageReturn(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (lineNumber == 1) {
      if (line != common::joinText({kColumns.begin(), kColumns.end()}, "\t")) {
        error = "line 1: the header is not the dictionary's";
        return std::nullopt;
      }
      continue;
    }
    std::string fault;
    auto row = parseRow(line, fault);
    if (!row) {
      error = "line " + std::to_string(lineNumber) + ": " + fault;
      return std::nullopt;
    }
    rows.push_back(std::move(*row));
  }
  if (lineNumber == 0) {
    error = "the table is empty";
    return std::nullopt;
  }
  return CharacterTable(std::move(rows));
}

std::optional<CharacterTable> CharacterTable::read(const std::filesystem::path& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path.string();
    return std::nullopt;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto table = parse(text, error);
  if (!table) {
    error = path.string() + ": " + error;
  }
  return table;
}

const CharacterRow* CharacterTable::find(std::string_view simplified) const {
  const auto it = bySimplified_.find(simplified);
  return it == bySimplified_.end() ? nullptr : &rows_[it->second];
}

std::vector<std::string> splitReadings(std::string_view readings) {
  std::vector<std::string> out;
  for (auto& piece : common::splitText(readings, " ")) {
    if (!piece.empty()) {
      out.push_back(std::move(piece));
    }
  }
  return out;
}

}  // namespace quillan::chartable
