#include "growth/LmsTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace quillan::growth {

namespace {

bool readNumber(std::string_view text, double& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// The four tab-separated numbers of a row.
bool readRow(const std::string& line, double (&fields)[4]) {
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t tab = line.find('\t', start);
    const bool lastField = i == 3;
    if (lastField != (tab == std::string::npos)) {
      return false;
    }
    const std::size_t end = lastField ? line.size() : tab;
    if (!readNumber(std::string_view(line).substr(start, end - start), fields[i])) {
      return false;
    }
    start = end + 1;
  }
  return true;
}

}  // namespace

LmsTable::LmsTable(double first, double step, std::vector<LmsPoint> rows)
    : first_(first), step_(step), rows_(std::move(rows)) {}

std::optional<LmsPoint> LmsTable::at(double x) const {
  if (rows_.empty()) {
    return std::nullopt;
  }
  const double position = (x - first_) / step_;
  const double lastIndex = static_cast<double>(rows_.size() - 1);
  // A hair of tolerance, so that 110.0 cm computed as 45 + 650 * 0.1 still finds the last row.
  if (position < -1e-9 || position > lastIndex + 1e-9) {
    return std::nullopt;
  }
  const double clamped = std::clamp(position, 0.0, lastIndex);
  const auto below = static_cast<std::size_t>(std::floor(clamped + 1e-9));
  const double fraction = clamped - static_cast<double>(below);
  if (below + 1 >= rows_.size() || fraction < 1e-9) {
    return rows_[std::min(below, rows_.size() - 1)];
  }
  const LmsPoint& a = rows_[below];
  const LmsPoint& b = rows_[below + 1];
  return LmsPoint{a.l + (b.l - a.l) * fraction, a.m + (b.m - a.m) * fraction, a.s + (b.s - a.s) * fraction};
}

std::variant<LmsTable, std::string> readLmsTable(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return "cannot open " + file.string();
  }
  std::string line;
  if (!std::getline(in, line) || (line != "day\tL\tM\tS" && line != "cm\tL\tM\tS")) {
    return file.string() + ": the first line is not the header \"day|cm L M S\"";
  }
  std::vector<LmsPoint> rows;
  double first = 0;
  double step = 0;
  double previous = 0;
  int lineNumber = 1;
  while (std::getline(in, line)) {
    ++lineNumber;
    double fields[4];
    if (!readRow(line, fields) || fields[2] <= 0 || fields[3] <= 0) {
      return file.string() + ":" + std::to_string(lineNumber) + ": not a row of four numbers x, L, M > 0, S > 0";
    }
    if (rows.empty()) {
      first = fields[0];
    } else if (rows.size() == 1) {
      step = fields[0] - previous;
    } else if (std::abs(fields[0] - previous - step) > 1e-6) {
      return file.string() + ":" + std::to_string(lineNumber) + ": the step between rows changes";
    }
    if (rows.size() >= 1 && step <= 0) {
      return file.string() + ":" + std::to_string(lineNumber) + ": x does not grow";
    }
    previous = fields[0];
    rows.push_back({fields[1], fields[2], fields[3]});
  }
  if (rows.size() < 2) {
    return file.string() + ": fewer than two rows";
  }
  return LmsTable(first, step, std::move(rows));
}

}  // namespace quillan::growth
