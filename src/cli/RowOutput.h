#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/GenerateOptions.h"
#include "generate/ResultRow.h"

namespace quillan::cli {

// Prints a run's rows on stdout in the chosen format (UTF-8):
// - export: the export file's layout, CR LF line ends, so that converting it to GBK gives the file;
// - tsv: a line of column titles, then one line per row, cells separated by tabs;
// - json: {"rows": [{"number", "name", "elements", "grids", "luck", "talents", "score"}…],
//          "summary": "…", "notices": ["…"]}.
void writeRows(std::ostream& out, RowFormat format, std::span<const generate::ResultRow> rows,
               const std::string& summary, const std::vector<std::string>& notices);

}  // namespace quillan::cli
