#include "content/Dictionary.h"

#include <algorithm>
#include <charconv>

#include "common/TextSplit.h"

namespace quillan::content {
namespace {

std::optional<int> parseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

Dictionary::Dictionary(std::vector<DictionaryEntry> entries) : entries_(std::move(entries)) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const auto [it, added] = bySimplified_.try_emplace(entries_[i].simplified, i);
    if (!added && entries_[it->second].id < entries_[i].id) {
      it->second = i;
    }
  }
}

const DictionaryEntry* Dictionary::find(std::string_view simplified) const {
  const auto it = bySimplified_.find(simplified);
  return it == bySimplified_.end() ? nullptr : &entries_[it->second];
}

std::vector<std::string> splitReadings(std::string_view readings) {
  std::vector<std::string> out;
  for (auto& piece : common::splitText(readings, " ")) {
    if (!piece.empty()) {
      out.push_back(std::move(piece));
    }
  }
  return out;
}

std::optional<std::vector<DictionaryEntry>> parseDictionaryTsv(std::string_view tsv) {
  auto lines = common::splitText(tsv, "\n");
  if (!lines.empty() && lines.back().empty()) {
    lines.pop_back();
  }
  if (lines.empty()) {
    return std::nullopt;
  }
  const auto header = common::splitText(lines.front(), "\t");
  const auto column = [&](std::string_view name) -> std::optional<std::size_t> {
    const auto it = std::find(header.begin(), header.end(), name);
    return it == header.end() ? std::nullopt : std::optional(static_cast<std::size_t>(it - header.begin()));
  };
  const auto id = column("id");
  const auto simplified = column("simplified");
  const auto traditional = column("traditional");
  const auto pinyin = column("pinyin");
  const auto strokes = column("kangxi_strokes");
  const auto readings = column("readings");
  if (!id || !simplified || !traditional || !pinyin || !strokes || !readings) {
    return std::nullopt;
  }
  std::vector<DictionaryEntry> entries;
  entries.reserve(lines.size() - 1);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto cells = common::splitText(lines[i], "\t");
    if (cells.size() != header.size()) {
      return std::nullopt;
    }
    const auto idNumber = parseNumber(cells[*id]);
    const auto strokeNumber = parseNumber(cells[*strokes]);
    if (!idNumber || !strokeNumber || cells[*simplified].empty()) {
      return std::nullopt;
    }
    entries.push_back({*idNumber, cells[*simplified], cells[*traditional], cells[*pinyin], *strokeNumber,
                       splitReadings(cells[*readings])});
  }
  return entries;
}

}  // namespace quillan::content
