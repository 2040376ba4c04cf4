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
// - json: {"rows": [{"number", "name", "elements", "grids", "luck", "talents", "score", "pinyin",
//          "euphony", "gates", "warnings"}…], "summary": "…", "notices": ["…"]}; euphony (音律分) is
//          null unless the run used "高级算法", gates and warnings (gate ids) null when the run
//          checked no names.
void writeRows(std::ostream& out, RowFormat format, std::span<const generate::ResultRow> rows,
               const std::string& summary, const std::vector<std::string>& notices);

}  // namespace quillan::cli
