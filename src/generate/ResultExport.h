#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "generate/ResultRow.h"

namespace quillan::generate {

// The export file's fixed header as UTF-8 text: 37 "═", the column titles each followed by "★",
// 37 "═", every line ending in CR LF. The window's 编辑框4 shows the same.
std::string exportHeader();

// The export layout as UTF-8 text: the header, then one line per row with each of its seven cells
// followed by "★", ending in CR LF.
std::string exportText(std::span<const ResultRow> rows);

struct ExportResult {
  bool ok = false;
  std::string message;  // why the file was not written, for a message box captioned "温馨提示"
};

// Writes the export file in GBK. The bytes go to a temporary file in the target's folder that is
// renamed over the target only once it is complete, so a failed write leaves the target as it was.
ExportResult exportResultList(const std::filesystem::path& target, std::span<const ResultRow> rows);

}  // namespace quillan::generate
