#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillan::growth {

// One row of a WHO LMS table: Box-Cox power, median and coefficient of variation.
struct LmsPoint {
  double l = 1;
  double m = 0;
  double s = 0;
};

// A WHO table: rows at first, first + step, … without gaps (days for the age tables, 0.1 cm for
// the length tables).
class LmsTable {
 public:
  LmsTable() = default;
  LmsTable(double first, double step, std::vector<LmsPoint> rows);

  double first() const { return first_; }
  double last() const { return first_ + step_ * static_cast<double>(rows_.size() - 1); }
  bool empty() const { return rows_.empty(); }

  // The row at x, L, M and S interpolated linearly between the two rows around it, as WHO does
  // between 0.1 cm points; nullopt outside the table.
  std::optional<LmsPoint> at(double x) const;

 private:
  double first_ = 0;
  double step_ = 1;
  std::vector<LmsPoint> rows_;
};

// Reads a table of data/growth: a header "day|cm L M S", then rows in steps that never change.
// The reason when the file is missing or not such a table.
std::variant<LmsTable, std::string> readLmsTable(const std::filesystem::path& file);

}  // namespace quillan::growth
