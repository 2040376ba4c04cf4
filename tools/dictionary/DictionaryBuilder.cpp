#include "DictionaryBuilder.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <set>

#include "ElementRule.h"
#include "PinyinRules.h"
#include "RadicalStroke.h"
#include "common/GbkCodec.h"
#include "common/TextNumbers.h"
#include "common/TextSplit.h"

namespace quillan::dictionary {
namespace {

// Numerology counts the numerals by their value, not their strokes.
constexpr std::array<char32_t, 10> kNumerals = {U'一', U'二', U'三', U'四', U'五', U'六', U'七', U'八', U'九', U'十'};

std::string utf8Of(char32_t c) {
  std::string out;
  common::appendUtf8(out, c);
  return out;
}

// The single code point of a text; 0 when it holds more or fewer.
char32_t singleCodePoint(const std::string& text) {
  const auto codePoints = common::decodeUtf8(text);
  return codePoints && codePoints->size() == 1 ? codePoints->front() : 0;
}

// Compatibility ideographs (U+F900 …) carry no Unihan readings of their own.
char32_t normalised(char32_t c) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) {
    return c;
  }
  const icu::UnicodeString text = nfc->normalize(icu::UnicodeString(static_cast<UChar32>(c)), status);
  return U_SUCCESS(status) && text.countChar32() == 1 ? static_cast<char32_t>(text.char32At(0)) : c;
}

RadicalStroke radicalStrokeOf(const UnihanEntry* entry) {
  if (entry == nullptr) {
    return {};
  }
  RadicalStroke rs = parseRadicalStroke(entry->rsKangXi);
  return rs.radical != 0 ? rs : parseRadicalStroke(entry->rsUnicode);
}

// kTotalStrokes: "8 9" is the mainland count, then Taiwan's.
int totalStrokes(const UnihanEntry* entry, bool traditional) {
  if (entry == nullptr || entry->totalStrokes.empty()) {
    return 0;
  }
  const auto counts = common::splitText(entry->totalStrokes, " ");
  return common::textToInt(traditional ? counts.back() : counts.front());
}

// The traditional form of the (normalised) character c, and which rule chose it.
std::pair<char32_t, std::string> traditionalOf(char32_t c, const UnihanData& unihan,
                                               const SimplifiedToTraditional& toTraditional) {
  const char32_t converted = singleCodePoint(toTraditional.convert(utf8Of(c)));
  if (converted == 0 || converted == c) {
    return {c, "same"};
  }
  if (!common::isGbkHanCharacter(converted)) {
    return {c, "not-gbk"};
  }
  const UnihanEntry* entry = unihan.find(c);
  const std::vector<char32_t> variants = entry ? entry->traditionalVariants : std::vector<char32_t>{};
  if (std::find(variants.begin(), variants.end(), converted) != variants.end()) {
    return {converted, "opencc+unihan"};
  }
  const bool onlyOpencc = std::all_of(variants.begin(), variants.end(), [c](char32_t v) { return v == c; });
  if (onlyOpencc && entry != nullptr && entry->inKangXi) {
    return {c, "kept"};
  }
  return {converted, "opencc"};
}

void kangxiStrokes(DictionaryRow& row, char32_t original, char32_t traditional, const UnihanData& unihan) {
  if (const auto* numeral = std::find(kNumerals.begin(), kNumerals.end(), original); numeral != kNumerals.end()) {
    row.kangxiStrokes = static_cast<int>(numeral - kNumerals.begin()) + 1;
    row.strokesSource = "numeral";
    return;
  }
  const UnihanEntry* entry = unihan.find(traditional);
  const RadicalStroke rs = radicalStrokeOf(entry);
  if (rs.radical != 0 && rs.residual > 0) {
    row.kangxiStrokes = radicalFullStrokes(rs.radical) + rs.residual;
    row.strokesSource = std::to_string(rs.radical) + ':' + std::to_string(radicalFullStrokes(rs.radical)) + '+' +
                        std::to_string(rs.residual);
    // A full-form radical only ever adds strokes; a sum below the character's own count means the
    // residual was counted on a reduced component (紫 露 政 泰), so the own count stands.
    if (const int own = totalStrokes(entry, true); own > row.kangxiStrokes) {
      row.kangxiStrokes = own;
      row.strokesSource = "own>" + row.strokesSource;
    }
    return;
  }
  const auto own = unihan.radicalIdeographs.find(rs.radical);
  if (own != unihan.radicalIdeographs.end() && own->second == traditional) {
    row.kangxiStrokes = radicalFullStrokes(rs.radical);
    row.strokesSource = "radical";
    return;
  }
  row.kangxiStrokes = totalStrokes(entry, true);
  row.strokesSource = "own";
}

// The element by the rules after the overrides: the meaning, the radical, the sound.
void element(DictionaryRow& row, char32_t traditional, const UnihanData& unihan, const UnihanEntry& entry,
             const ElementTables& tables) {
  if (const auto meaning = tables.byMeaning.find(row.simplified); meaning != tables.byMeaning.end()) {
    row.element = meaning->second;
    row.elementBasis = kBasisMeaning;
    row.elementSource = "meaning";
    return;
  }
  const RadicalStroke rs = radicalStrokeOf(unihan.find(traditional));
  const auto own = unihan.radicalIdeographs.find(rs.radical);
  const bool radicalIsMeaning =
      rs.residual > 0 || (own != unihan.radicalIdeographs.end() && own->second == traditional);
  const auto byRadical = tables.byRadical.find(rs.radical);
  if (radicalIsMeaning && byRadical != tables.byRadical.end() && !byRadical->second.empty()) {
    row.element = byRadical->second;
    row.elementBasis = kBasisRadical;
    row.elementSource = "radical " + std::to_string(rs.radical);
    return;
  }
  row.element = soundElement(row.pinyin, entry.cantonese);
  row.elementBasis = kBasisSound;
  row.elementSource = "sound " + tonelessPinyin(row.pinyin) + (entry.cantonese.empty() ? "" : " / " + entry.cantonese);
}

int tghLevel(const UnihanEntry& entry) {
  if (entry.tghIndex <= 0) {
    return 0;
  }
  return entry.tghIndex <= 3500 ? 1 : entry.tghIndex <= 6500 ? 2 : 3;
}

}  // namespace

std::vector<DictionaryRow> buildDictionary(const UnihanData& unihan, const SimplifiedToTraditional& toTraditional,
                                           const Overrides& overrides, const ElementTables& elements,
                                           std::vector<std::string>& unusedOverrides) {
  std::vector<DictionaryRow> rows;
  std::set<char32_t> seen;
  std::set<std::string> used;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) {
        continue;
      }
      const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      const auto utf8 = common::gbkToUtf8(gbk);
      const char32_t c = utf8 ? singleCodePoint(*utf8) : 0;
      if (c == 0 || !common::isGbkHanCharacter(c) || !seen.insert(c).second) {
        continue;
      }
      const char32_t base = normalised(c);
      const UnihanEntry* entry = unihan.find(base);
      if (entry == nullptr) {
        continue;
      }
      DictionaryRow row;
      row.pinyin = mainPinyin(*entry);
      if (row.pinyin.empty()) {
        continue;
      }
      row.id = lead * 256 + trail;
      row.simplified = *utf8;
      const auto overridden = overrides.find(row.simplified);
      const auto overrideOf = [&](const char* column) -> const std::string* {
        if (overridden == overrides.end()) {
          return nullptr;
        }
        const auto it = overridden->second.find(column);
        return it == overridden->second.end() ? nullptr : &it->second;
      };
      if (overridden != overrides.end()) {
        used.insert(row.simplified);
      }

      auto [traditional, traditionalSource] = traditionalOf(base, unihan, toTraditional);
      if (const std::string* value = overrideOf("traditional")) {
        traditional = singleCodePoint(*value);
        traditionalSource = "override";
      }
      row.traditional = utf8Of(traditional);
      row.traditionalSource = traditionalSource;

      kangxiStrokes(row, base, traditional, unihan);
      if (const std::string* value = overrideOf("kangxi_strokes")) {
        row.kangxiStrokes = common::textToInt(*value);
        row.strokesSource = "override";
      }
      row.simplifiedStrokes = totalStrokes(entry, false);
      row.radical = radicalStrokeOf(unihan.find(traditional)).radical;

      std::vector<std::string> readings = allReadings(*entry);
      if (const std::string* value = overrideOf("pinyin")) {
        row.pinyin = *value;
        std::erase(readings, *value);
        readings.insert(readings.begin(), *value);
      }
      row.readings = common::joinText(readings, " ");

      if (const std::string* value = overrideOf("element")) {
        row.element = *value;
        row.elementBasis = kBasisOverride;
        row.elementSource = "override";
      } else {
        element(row, traditional, unihan, *entry, elements);
      }
      row.tghLevel = tghLevel(*entry);
      rows.push_back(std::move(row));
    }
  }
  for (const auto& [character, columns] : overrides) {
    if (!used.contains(character)) {
      unusedOverrides.push_back(character);
    }
  }
  return rows;
}

}  // namespace quillan::dictionary
