// quillan-dictionary --overrides data/dictionary/overrides.tsv
//                    --radical-elements data/dictionary/radical-elements.tsv
//                    --meaning-elements data/dictionary/meaning-elements.tsv
//                    --out data/dictionary/characters.tsv [--unihan /usr/share/unicode] [--review FILE]
//
// Writes the character dictionary from Unicode's Unihan database and OpenCC. Unihan must be version
// 15.0: kRSKangXi, which the Kangxi stroke counts rest on, is gone from later versions.
//
// Rules (data/dictionary/README.md states them too):
// - Rows: every two-byte GBK code that decodes to a Han character with a Mandarin reading, in GBK
//   code order; id is the GBK code as a number. Compatibility ideographs are looked up in their NFC form.
// - Pinyin, with tone marks: the first kMandarin reading; where it has no tone (子, 裳, 卜), the first
//   toned reading of kXHC1983, then kTGHZ2013, then kHanyuPinyin. readings: every modern reading
//   (kMandarin, kXHC1983, kTGHZ2013), the pinyin first. A reading GBK cannot encode loses its tone
//   mark (ḿ -> m, ê̄ -> ê), failing that every diacritic.
// - Traditional form: OpenCC s2t of the single character, cross-checked with kTraditionalVariant.
//   Where only OpenCC changes a character that is itself a Kangxi-dictionary entry (kKangXi), the
//   character stays (岳 游 涌 岩). A form GBK cannot encode is not taken.
// - Kangxi strokes, counted on the traditional form: the full-form strokes of its Kangxi radical
//   (氵 4, 艹 6, 阝 8 or 7, 王-side 5) plus the residual of kRSKangXi (fallback kRSUnicode). When the
//   residual is 0 or less: a radical's own character counts the radical's Kangxi strokes (瓦 5, 鬼 10,
//   鼎 13, 龜 16, 廴 3, 禸 5), any other its kTotalStrokes (Taiwan count where two are given).
//   The numerals 一 … 十 count 1 … 10, the numerology convention. simplified_strokes is the modern
//   (mainland) kTotalStrokes of the character itself; radical is that of the traditional form.
// - Element (字意五行), in this order, its rule in element_basis: (a) an override; (b) the meaning, for
//   a character of meaning-elements.tsv; (c) the radical of the traditional form through
//   radical-elements.tsv, when the radical is the character's meaning part (residual above 0, or the
//   radical's own character) and has an element; (d) the sound: the old class of its initial (五音),
//   the classes that modern j q x and the zero initial merge told apart by the Cantonese reading
//   (ElementRule.h).
// - tgh_level: the level in the 通用规范汉字表 by Unihan's kTGH index (1-3500 level 1, 3501-6500
//   level 2, 6501-8105 level 3), empty outside it.
// - overrides.tsv: hand-checked decisions, one per row with its reason: the form a character takes as
//   a surname or in names (范 于 余 朴 党 干 种 郁 …), elements by clear meaning, and corrections.
//   They replace the rule's value; a traditional override is counted for strokes and radical.
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "DictionaryBuilder.h"
#include "common/GbkCodec.h"

namespace {

using quillan::dictionary::DictionaryRow;

constexpr const char* kUsage =
    "usage: quillan-dictionary --overrides FILE --radical-elements FILE --meaning-elements FILE --out FILE\n"
    "                          [--unihan DIR] [--review FILE]\n";
constexpr int kExitUnihanVersion = 3;

std::string tsvLine(const DictionaryRow& row) {
  return std::to_string(row.id) + '\t' + row.simplified + '\t' + row.traditional + '\t' + row.pinyin + '\t' +
         std::to_string(row.kangxiStrokes) + '\t' + std::to_string(row.simplifiedStrokes) + '\t' +
         std::to_string(row.radical) + '\t' + row.element + '\t' + row.readings + '\t' +
         (row.tghLevel > 0 ? std::to_string(row.tghLevel) : std::string()) + '\t' + row.elementBasis + '\n';
}

std::string reviewLine(const DictionaryRow& row) {
  return row.simplified + '\t' + row.traditional + '\t' + row.traditionalSource + '\t' +
         std::to_string(row.kangxiStrokes) + '\t' + row.strokesSource + '\t' + row.element + '\t' + row.elementSource +
         '\t' + row.pinyin + '\n';
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options{{"--unihan", "/usr/share/unicode"}};
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag != "--unihan" && flag != "--overrides" && flag != "--out" && flag != "--review" &&
        flag != "--radical-elements" && flag != "--meaning-elements") {
      std::cerr << "quillan-dictionary: unknown option " << flag << '\n' << kUsage;
      return 2;
    }
    options[flag] = argv[i + 1];
  }
  if (argc % 2 == 0 || !options.contains("--overrides") || !options.contains("--out") ||
      !options.contains("--radical-elements") || !options.contains("--meaning-elements")) {
    std::cerr << kUsage;
    return 2;
  }

  std::string error;
  const auto unihan = quillan::dictionary::loadUnihan(options["--unihan"], error);
  if (!unihan) {
    std::cerr << "quillan-dictionary: " << error << '\n';
    return 1;
  }
  if (unihan->version != "15.0.0") {
    std::cerr << "quillan-dictionary: needs Unihan 15.0.0 (kRSKangXi), found '" << unihan->version << "'\n";
    return kExitUnihanVersion;
  }
  const auto overrides = quillan::dictionary::loadOverrides(options["--overrides"], error);
  if (!overrides) {
    std::cerr << "quillan-dictionary: " << error << '\n';
    return 1;
  }
  const auto elements =
      quillan::dictionary::loadElementTables(options["--radical-elements"], options["--meaning-elements"], error);
  if (!elements) {
    std::cerr << "quillan-dictionary: " << error << '\n';
    return 1;
  }
  const quillan::dictionary::SimplifiedToTraditional toTraditional;
  if (!toTraditional.ok()) {
    std::cerr << "quillan-dictionary: cannot open OpenCC's s2t conversion\n";
    return 1;
  }

  std::vector<std::string> unused;
  const auto rows = quillan::dictionary::buildDictionary(*unihan, toTraditional, *overrides, *elements, unused);
  if (!unused.empty()) {
    for (const auto& character : unused) {
      std::cerr << "quillan-dictionary: override for " << character << ", which has no row\n";
    }
    return 1;
  }

  std::string table = std::string(quillan::dictionary::kDictionaryHeader) + '\n';
  std::string review = "simplified\ttraditional\thow\tkangxi_strokes\thow\telement\thow\tpinyin\n";
  for (const auto& row : rows) {
    const std::string line = tsvLine(row);
    if (!quillan::common::utf8ToGbk(line)) {
      std::cerr << "quillan-dictionary: GBK cannot encode the row " << line;
      return 1;
    }
    if (row.kangxiStrokes < 1) {
      std::cerr << "quillan-dictionary: no stroke count for " << row.simplified << '\n';
      return 1;
    }
    table += line;
    review += reviewLine(row);
  }
  if (!writeFile(options["--out"], table)) {
    std::cerr << "quillan-dictionary: cannot write " << options["--out"] << '\n';
    return 1;
  }
  if (options.contains("--review") && !writeFile(options["--review"], review)) {
    std::cerr << "quillan-dictionary: cannot write " << options["--review"] << '\n';
    return 1;
  }
  std::cerr << "quillan-dictionary: " << rows.size() << " characters\n";
  return 0;
}
