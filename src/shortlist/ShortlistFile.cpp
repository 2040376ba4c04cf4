#include "shortlist/ShortlistFile.h"

#include <charconv>

#include "common/TextSplit.h"

namespace quillan::shortlist {
namespace {

constexpr std::string_view kFirstLine = "quillan-shortlist 1";
constexpr std::size_t kFields = 7;

std::string escaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::optional<std::string> unescaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) {
      return std::nullopt;
    }
    switch (field[i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::string shortlistText(const Shortlist& list) {
  std::string text(kFirstLine);
  text += '\n';
  for (const ShortlistEntry& entry : list) {
    const std::string fields[kFields] = {
        entry.surname, entry.given, entry.score, entry.pinyin, std::to_string(entry.euphony), entry.added, entry.note};
    for (std::size_t i = 0; i < kFields; ++i) {
      if (i > 0) {
        text += '\t';
      }
      text += escaped(fields[i]);
    }
    text += '\n';
  }
  return text;
}

ParsedShortlist parseShortlist(std::string_view text) {
  auto lines = common::splitText(text, "\n");
  if (lines.empty() || lines.front() != kFirstLine) {
    return {std::nullopt, "the first line is not \"" + std::string(kFirstLine) + "\""};
  }
  Shortlist list;
  for (std::size_t number = 1; number < lines.size(); ++number) {
    const std::string& line = lines[number];
    if (line.empty() && number + 1 == lines.size()) {
      break;  // the last line break
    }
    const auto raw = common::splitText(line, "\t");
    if (raw.size() != kFields) {
      return {std::nullopt,
              "line " + std::to_string(number + 1) + " does not have " + std::to_string(kFields) + " fields"};
    }
    std::vector<std::string> fields;
    for (const std::string& field : raw) {
      auto value = unescaped(field);
      if (!value) {
        return {std::nullopt, "line " + std::to_string(number + 1) + " has a broken escape"};
      }
      fields.push_back(std::move(*value));
    }
    ShortlistEntry entry{fields[0], fields[1], fields[2], fields[3], -1, fields[5], fields[6]};
    const auto [end, error] = std::from_chars(fields[4].data(), fields[4].data() + fields[4].size(), entry.euphony);
    if (error != std::errc() || end != fields[4].data() + fields[4].size() || entry.surname.empty() ||
        entry.given.empty()) {
      return {std::nullopt, "line " + std::to_string(number + 1) + " is not a name"};
    }
    list.push_back(std::move(entry));
  }
  return {std::move(list), {}};
}

}  // namespace quillan::shortlist
