#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillan::evaluate {

inline constexpr int kReportFieldCount = 71;
inline constexpr int kTextReportFieldCount = 61;  // the text report stops at the shared fields

// The texts that replace the placeholders "替换1" … "替换70" of the report templates: 1-61 those of
// both templates, 62-65 the element basis of the four character positions, 66-69 their meanings and
// 70 the section "音律与字义" and 71 the section "八字五行" (empty without a birth date), which only the
// HTML report shows.
class ReportFields {
 public:
  // Field n, 1-based.
  std::string& operator[](int n) { return fields_.at(static_cast<std::size_t>(n - 1)); }
  const std::string& operator[](int n) const { return fields_.at(static_cast<std::size_t>(n - 1)); }

  bool operator==(const ReportFields&) const = default;

 private:
  std::array<std::string, kReportFieldCount> fields_{};
};

// Replaces every "替换n" with field n, from n = 71 down to 1, so that "替换10" is never read as
// "替换1" followed by "0".
std::string fillTemplate(std::string_view templateText, const ReportFields& fields);

// For the text report: "<BR>" in the grid explanations (36-40) and hints (51-54), and "<br />    "
// in the three-talents explanation (43), become CR LF.
void convertLineBreaksForText(ReportFields& fields);

}  // namespace quillan::evaluate
