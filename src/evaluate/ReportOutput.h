#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "evaluate/ReportFields.h"

namespace quillan::evaluate {

// The report page's file: "1.htm" in the system's temporary folder, replaced by every report.
std::filesystem::path reportFilePath();

// Fills the HTML template and writes it in GBK to the path; the reason on failure.
std::optional<std::string> writeHtmlReport(const std::filesystem::path& path, const ReportFields& fields);

// The text report: the line breaks of the service texts become CR LF (in place, as the report
// window keeps its fields), the text template is filled and written in GBK. The reason on failure.
std::optional<std::string> saveReportText(const std::filesystem::path& path, ReportFields& fields);

// The two report texts as UTF-8, for front ends that print them.
std::string htmlReport(const ReportFields& fields);
std::string textReport(ReportFields fields);

}  // namespace quillan::evaluate
