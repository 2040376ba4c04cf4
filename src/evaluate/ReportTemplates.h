#pragma once

#include <string_view>

namespace quillan::evaluate {

// The HTML report page (UTF-8 here; written out in GBK, as its charset declares).
std::string_view htmlReportTemplate();

// The text report: CR LF line ends, no line end after the closing credit line.
std::string_view textReportTemplate();

}  // namespace quillan::evaluate
