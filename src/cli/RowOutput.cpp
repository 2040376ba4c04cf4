#include "cli/RowOutput.h"

#include <array>
#include <cstdio>

#include "cli/JsonText.h"
#include "generate/ResultExport.h"

namespace quillan::cli {
namespace {

constexpr std::array<const char*, generate::kResultColumnCount> kJsonKeys{"number", "name",    "elements", "grids",
                                                                          "luck",   "talents", "score"};

void writeTsv(std::ostream& out, std::span<const generate::ResultRow> rows) {
  const auto line = [&](const auto& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      out << (i == 0 ? "" : "\t") << cells[i];
    }
    out << '\n';
  };
  line(generate::kResultColumnTitles);
  for (const auto& row : rows) {
    line(row.cells);
  }
}

void writeJson(std::ostream& out, std::span<const generate::ResultRow> rows, const std::string& summary,
               const std::vector<std::string>& notices) {
  out << "{\"rows\":[";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out << (r == 0 ? "\n" : ",\n") << '{';
    for (std::size_t c = 0; c < kJsonKeys.size(); ++c) {
      out << (c == 0 ? "" : ",") << '"' << kJsonKeys[c] << "\":" << jsonString(rows[r].cells[c]);
    }
    const auto& details = rows[r].details;
    out << ",\"pinyin\":" << jsonString(details.pinyin)
        << ",\"euphony\":" << (details.euphony >= 0 ? std::to_string(details.euphony) : "null");
    if (details.judged) {
      out << ",\"gates\":" << gateIdsJson(details.failedGates) << ",\"warnings\":" << gateIdsJson(details.warnedGates);
    } else {
      out << ",\"gates\":null,\"warnings\":null";
    }
    out << '}';
  }
  out << "\n],\"summary\":" << jsonString(summary) << ",\"notices\":[";
  for (std::size_t i = 0; i < notices.size(); ++i) {
    out << (i == 0 ? "" : ",") << jsonString(notices[i]);
  }
  out << "]}\n";
}

}  // namespace

void writeRows(std::ostream& out, RowFormat format, std::span<const generate::ResultRow> rows,
               const std::string& summary, const std::vector<std::string>& notices) {
  switch (format) {
    case RowFormat::Export:
      out << generate::exportText(rows);
      break;
    case RowFormat::Tsv:
      writeTsv(out, rows);
      break;
    case RowFormat::Json:
      writeJson(out, rows, summary, notices);
      break;
  }
}

}  // namespace quillan::cli
