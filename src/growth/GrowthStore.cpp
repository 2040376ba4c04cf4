#include "growth/GrowthStore.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "common/AtomicFile.h"
#include "common/UserFolders.h"
#include "growth/EntryCheck.h"

namespace quillan::growth {

namespace {

constexpr std::string_view kFirstLine = "quillan-growth 1";

// Shortest text that reads back as the same double.
std::string numberText(const std::optional<double>& value) {
  if (!value) {
    return {};
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
  return std::string(buffer, result.ptr);
}

bool readValue(std::string_view field, std::optional<double>& value) {
  if (field.empty()) {
    value.reset();
    return true;
  }
  double number = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
  if (error != std::errc() || end != field.data() + field.size() || !(number > 0)) {
    return false;
  }
  value = number;
  return true;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) {
      return fields;
    }
    start = tab + 1;
  }
}

}  // namespace

std::filesystem::path growthRecordsFile() { return common::userDataFolder() / "growth.tsv"; }

std::string recordsText(const GrowthRecords& records) {
  std::string text(kFirstLine);
  text += '\n';
  for (const ChildRecord& child : records.children) {
    text += "child\t" + child.name + '\t' + std::string(sexWord(child.sex)) + '\t' + calendar::formatDate(child.birth) +
            '\n';
    for (const Measurement& m : child.measurements) {
      text += "measurement\t" + child.name + '\t' + calendar::formatDate(m.date) + '\t' + numberText(m.weightKg) +
              '\t' + numberText(m.lengthCm) + '\t' + numberText(m.headCm) + '\n';
    }
  }
  return text;
}

std::optional<GrowthRecords> parseRecords(std::string_view text, std::string& reason) {
  GrowthRecords records;
  std::size_t start = 0;
  int lineNumber = 0;
  const auto fail = [&](const std::string& why) {
    reason = "line " + std::to_string(lineNumber) + ": " + why;
    return std::nullopt;
  };
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      ++lineNumber;
      return fail("the file ends inside a line (cut short?)");
    }
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (lineNumber == 1) {
      if (line != kFirstLine) {
        return fail("not a Quillan growth records file");
      }
      continue;
    }
    const auto fields = splitTabs(line);
    if (fields[0] == "child" && fields.size() == 4) {
      const std::string name(fields[1]);
      const auto sex = sexOfWord(fields[2]);
      const auto birth = calendar::parseDate(fields[3]);
      if (!sex || !birth || checkChild(name, *birth, *birth) || records.find(name) != nullptr) {
        return fail("not a child of its own name, boy or girl, and a birth date");
      }
      records.children.push_back({name, *sex, *birth, {}});
    } else if (fields[0] == "measurement" && fields.size() == 6) {
      ChildRecord* child = records.find(std::string(fields[1]));
      const auto date = calendar::parseDate(fields[2]);
      Measurement m;
      if (child == nullptr || !date || !readValue(fields[3], m.weightKg) || !readValue(fields[4], m.lengthCm) ||
          !readValue(fields[5], m.headCm)) {
        return fail("not a measurement of a child named before it");
      }
      m.date = *date;
      if (m.date < child->birth) {
        return fail("a measurement before the child's birth");
      }
      if (!child->measurements.empty() && !(child->measurements.back().date < m.date)) {
        return fail("measurements out of date order");
      }
      child->measurements.push_back(m);
    } else {
      return fail("neither a child nor a measurement");
    }
  }
  if (lineNumber == 0) {
    reason = "the file is empty";
    return std::nullopt;
  }
  return records;
}

LoadedRecords loadGrowthRecords(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    return {};
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string reason;
  if (in) {
    if (auto records = parseRecords(bytes.str(), reason)) {
      return {std::move(*records), {}, true};
    }
  } else {
    reason = "it cannot be opened";
  }
  const common::KeptAside aside = common::keepAside(file);
  LoadedRecords loaded;
  if (aside.failure.empty()) {
    loaded.notice = "成长记录文件 " + file.string() + " 无法读取（" + reason + "），已原样移到 " +
                    aside.movedTo.string() + " 保存，现在从空白记录开始。";
  } else {
    loaded.canSave = false;
    loaded.notice = "成长记录文件 " + file.string() + " 无法读取（" + reason + "），也无法移到一旁（" + aside.failure +
                    "）。为了不覆盖它，这次不会保存任何改动。";
  }
  return loaded;
}

std::optional<std::string> saveGrowthRecords(const std::filesystem::path& file, const GrowthRecords& records) {
  if (auto failure = common::ensureFolder(file.parent_path())) {
    return failure;
  }
  return common::writeFileAtomically(file, recordsText(records));
}

}  // namespace quillan::growth
