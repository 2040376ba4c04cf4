#include "PinyinRules.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::dictionary {
namespace {

// Tone-marked letters and the letter without the mark.
constexpr std::array<std::pair<char32_t, char32_t>, 30> kToneLetters = {{
    {U'ā', U'a'}, {U'á', U'a'}, {U'ǎ', U'a'}, {U'à', U'a'}, {U'ē', U'e'}, {U'é', U'e'}, {U'ě', U'e'}, {U'è', U'e'},
    {U'ī', U'i'}, {U'í', U'i'}, {U'ǐ', U'i'}, {U'ì', U'i'}, {U'ō', U'o'}, {U'ó', U'o'}, {U'ǒ', U'o'}, {U'ò', U'o'},
    {U'ū', U'u'}, {U'ú', U'u'}, {U'ǔ', U'u'}, {U'ù', U'u'}, {U'ǖ', U'ü'}, {U'ǘ', U'ü'}, {U'ǚ', U'ü'}, {U'ǜ', U'ü'},
    {U'ń', U'n'}, {U'ň', U'n'}, {U'ǹ', U'n'}, {U'ḿ', U'm'}, {U'ế', U'ê'}, {U'ề', U'ê'},
}};

// Combining grave, acute, macron and caron: the tone marks Unihan writes after ê and m.
bool isCombiningTone(char32_t c) { return c == 0x300 || c == 0x301 || c == 0x304 || c == 0x30C; }

std::string encode(const std::u32string& codePoints) {
  std::string out;
  for (char32_t c : codePoints) {
    common::appendUtf8(out, c);
  }
  return out;
}

std::u32string withoutToneMarks(const std::u32string& reading) {
  std::u32string out;
  for (char32_t c : reading) {
    if (isCombiningTone(c)) {
      continue;
    }
    const auto* letter =
        std::find_if(kToneLetters.begin(), kToneLetters.end(), [c](const auto& pair) { return pair.first == c; });
    out.push_back(letter == kToneLetters.end() ? c : letter->second);
  }
  return out;
}

std::u32string withoutDiacritics(const std::u32string& reading) {
  std::u32string out;
  for (char32_t c : withoutToneMarks(reading)) {
    if (c == U'ê') {
      c = U'e';
    } else if (c == U'ü') {
      c = U'u';
    }
    if (c < 0x300 || c > 0x36F) {
      out.push_back(c);
    }
  }
  return out;
}

std::string firstToned(const std::vector<std::string>& readings) {
  const auto it = std::find_if(readings.begin(), readings.end(), [](const auto& r) { return hasToneMark(r); });
  return it == readings.end() ? std::string{} : *it;
}

}  // namespace

bool hasToneMark(std::string_view reading) {
  const auto codePoints = common::decodeUtf8(reading);
  if (!codePoints) {
    return false;
  }
  return std::any_of(codePoints->begin(), codePoints->end(), [](char32_t c) {
    return isCombiningTone(c) ||
           std::any_of(kToneLetters.begin(), kToneLetters.end(), [c](const auto& pair) { return pair.first == c; });
  });
}

std::vector<std::string> fieldReadings(std::string_view value, bool withLocations) {
  std::vector<std::string> out;
  if (value.empty()) {
    return out;
  }
  for (const auto& item : common::splitText(value, " ")) {
    if (!withLocations) {
      if (!item.empty()) {
        out.push_back(item);
      }
      continue;
    }
    const auto colon = item.find(':');
    if (colon == std::string::npos) {
      continue;
    }
    for (const auto& reading : common::splitText(std::string_view(item).substr(colon + 1), ",")) {
      if (!reading.empty()) {
        out.push_back(reading);
      }
    }
  }
  return out;
}

std::string tonelessPinyin(std::string_view reading) {
  const auto codePoints = common::decodeUtf8(reading);
  return codePoints ? encode(withoutToneMarks(*codePoints)) : std::string{};
}

std::string gbkReading(std::string_view reading) {
  if (common::utf8ToGbk(reading)) {
    return std::string(reading);
  }
  const auto codePoints = common::decodeUtf8(reading);
  if (!codePoints) {
    return {};
  }
  std::string plain = encode(withoutToneMarks(*codePoints));
  return common::utf8ToGbk(plain) ? plain : encode(withoutDiacritics(*codePoints));
}

std::string mainPinyin(const UnihanEntry& entry) {
  const auto mandarin = fieldReadings(entry.mandarin, false);
  if (!mandarin.empty() && hasToneMark(mandarin.front())) {
    return gbkReading(mandarin.front());
  }
  for (const std::string* field : {&entry.xhc1983, &entry.tghz2013, &entry.hanyuPinyin}) {
    if (auto toned = firstToned(fieldReadings(*field, true)); !toned.empty()) {
      return gbkReading(toned);
    }
  }
  if (!mandarin.empty()) {
    return gbkReading(mandarin.front());
  }
  for (const std::string* field : {&entry.xhc1983, &entry.tghz2013, &entry.hanyuPinyin}) {
    if (const auto readings = fieldReadings(*field, true); !readings.empty()) {
      return gbkReading(readings.front());
    }
  }
  return {};
}

std::vector<std::string> allReadings(const UnihanEntry& entry) {
  std::vector<std::string> out;
  const auto add = [&out](const std::string& reading) {
    const std::string safe = gbkReading(reading);
    if (!safe.empty() && std::find(out.begin(), out.end(), safe) == out.end()) {
      out.push_back(safe);
    }
  };
  add(mainPinyin(entry));
  for (const auto& r : fieldReadings(entry.mandarin, false)) {
    add(r);
  }
  for (const std::string* field : {&entry.xhc1983, &entry.tghz2013}) {
    for (const auto& r : fieldReadings(*field, true)) {
      add(r);
    }
  }
  if (entry.mandarin.empty() && entry.xhc1983.empty() && entry.tghz2013.empty()) {
    for (const auto& r : fieldReadings(entry.hanyuPinyin, true)) {
      add(r);
    }
  }
  return out;
}

}  // namespace quillan::dictionary
