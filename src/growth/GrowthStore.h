#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "growth/GrowthRecords.h"

namespace quillan::growth {

// The one records file of the window and the command line: <user data folder>/growth.tsv.
std::filesystem::path growthRecordsFile();

// The records as text: a first line "quillan-growth 1", then for each child a line
// "child <name> boy|girl YYYY-MM-DD" and its measurements "measurement <name> YYYY-MM-DD <kg> <cm> <cm>"
// (tab-separated; a value not measured is an empty field).
std::string recordsText(const GrowthRecords& records);
// The records of such a text, or why it is not one.
std::optional<GrowthRecords> parseRecords(std::string_view text, std::string& reason);

struct LoadedRecords {
  GrowthRecords records;
  // For the user when the file could not be read: where it was put aside, or that it could not be.
  std::string notice;
  // False when an unreadable file could not be moved aside: saving would then overwrite it.
  bool canSave = true;
};

// A missing file is no records yet. An unreadable one is moved aside under a dated name and the
// records start empty, with a notice saying so; never emptied in place.
LoadedRecords loadGrowthRecords(const std::filesystem::path& file);

// Writes the records atomically, creating the folder; the reason on failure.
std::optional<std::string> saveGrowthRecords(const std::filesystem::path& file, const GrowthRecords& records);

}  // namespace quillan::growth
