#include "resultview/RowFilter.h"

#include <algorithm>
#include <charconv>

#include "common/PinyinKey.h"
#include "common/TextSplit.h"
#include "resultview/RowKeys.h"
#include "scoring/Element.h"
#include "scoring/ThreeTalentsTable.h"

namespace quillan::resultview {
namespace {

// Values in half points: 4 stands for 2, the best a three-talents value gives.
constexpr int kBestTalentHalves = 4;

bool talentsAuspicious(const generate::ResultRow& row) {
  const auto words = common::splitText(row[generate::ResultColumn::Talents], ",");
  if (words.size() != 3) {
    return false;
  }
  std::optional<scoring::Element> elements[3];
  for (std::size_t i = 0; i < 3; ++i) {
    elements[i] = scoring::parseElement(words[i]);
    if (!elements[i]) {
      return false;
    }
  }
  const auto& values = scoring::threeTalentsValues(*elements[0], *elements[1], *elements[2]);
  return std::all_of(values.halves.begin(), values.halves.end(), [](auto h) { return h == kBestTalentHalves; });
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

bool RowFilter::empty() const {
  return !minScore && mustContain.empty() && exclude.empty() && elements.empty() && !auspiciousTalents && !minEuphony &&
         !favourableOnly && search.empty();
}

std::string plainLetters(std::string_view pinyin) {
  std::string key = common::pinyinKey(pinyin);
  std::erase_if(key, [](char c) { return c == ' ' || (c >= '1' && c <= '5'); });
  return key;
}

bool passes(const RowFilter& filter, const generate::ResultRow& row) {
  if (filter.minScore && scoreOf(row) + 1e-9 < *filter.minScore) {
    return false;
  }
  if (filter.minEuphony && row.details.euphony < *filter.minEuphony) {
    return false;
  }
  if (filter.auspiciousTalents && !talentsAuspicious(row)) {
    return false;
  }
  if (filter.favourableOnly && row.details.favourable < 1) {
    return false;  // also a run without a birth chart: nothing is known to bring 喜用神
  }
  const bool needsCharacters = !filter.mustContain.empty() || !filter.exclude.empty() || !filter.elements.empty();
  if (needsCharacters) {
    const auto name = common::splitCharacters(row[generate::ResultColumn::Name]);
    const auto surname = static_cast<std::size_t>(std::clamp(filter.surnameChars, 0, static_cast<int>(name.size())));
    const std::vector<std::string> given(name.begin() + static_cast<std::ptrdiff_t>(surname), name.end());
    if (!filter.mustContain.empty()) {
      if (filter.containPosition > 0) {
        const auto at = static_cast<std::size_t>(filter.containPosition - 1);
        if (at >= given.size() || given[at] != filter.mustContain) {
          return false;
        }
      } else if (!contains(given, filter.mustContain)) {
        return false;
      }
    }
    for (const std::string& character : given) {
      if (contains(filter.exclude, character)) {
        return false;
      }
    }
    if (!filter.elements.empty()) {
      // The elements cell holds one element per character, surname first; the given name's are last.
      const auto words = common::splitCharacters(row[generate::ResultColumn::Elements]);
      const std::size_t first = words.size() > given.size() ? words.size() - given.size() : 0;
      const bool any = std::any_of(words.begin() + static_cast<std::ptrdiff_t>(first), words.end(),
                                   [&](const std::string& word) { return contains(filter.elements, word); });
      if (!any) {
        return false;
      }
    }
  }
  if (!filter.search.empty()) {
    const std::string& name = row[generate::ResultColumn::Name];
    if (name.find(filter.search) == std::string::npos) {
      const std::string wanted = plainLetters(filter.search);
      const std::string& readings = row.details.pinyin;
      const bool inReadings = readings.find(filter.search) != std::string::npos ||
                              (!wanted.empty() && plainLetters(readings).find(wanted) != std::string::npos);
      if (!inReadings) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace quillan::resultview
