// The explanatory texts of the 81 numbers and the 125 three-talents combinations ship as two TSV
// files that the data service loads. The report puts them next to the numbers the scoring engine
// computes, so they are checked against the engine's own tables, not against a copy.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"
#include "scoring/Element.h"
#include "scoring/LuckTable.h"
#include "scoring/ThreeTalentsTable.h"

namespace quillan::scoring {
namespace {

using Row = std::vector<std::string>;

struct TsvFile {
  bool readable = false;
  bool endsWithLineBreak = false;
  bool hasCarriageReturn = false;
  Row header;
  std::vector<Row> rows;
};

TsvFile readTsv(const std::string& name) {
  TsvFile file;
  std::ifstream in(std::string(QUILLAN_SOURCE_DIR) + "/data/numerology/" + name, std::ios::binary);
  if (!in) {
    return file;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  file.readable = true;
  file.hasCarriageReturn = text.find('\r') != std::string::npos;
  auto lines = common::splitText(text, "\n");
  file.endsWithLineBreak = lines.size() > 1 && lines.back().empty();
  if (file.endsWithLineBreak) {
    lines.pop_back();
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto fields = common::splitText(lines[i], "\t");
    if (i == 0) {
      file.header = std::move(fields);
    } else {
      file.rows.push_back(std::move(fields));
    }
  }
  return file;
}

const TsvFile& numbers() {
  static const TsvFile file = readTsv("z81.tsv");
  return file;
}

const TsvFile& combinations() {
  static const TsvFile file = readTsv("zsancai.tsv");
  return file;
}

const Row kNumberHeader = {"num", "title", "luck", "hint", "detail"};
const Row kCombinationHeader = {"title",        "luck",         "detail",        "basic_text",    "basic_luck",
                                "success_text", "success_luck", "relation_text", "relation_luck", "character_text"};

enum NumberColumn { kNum, kNumTitle, kNumLuck, kNumHint, kNumDetail };
enum CombinationColumn {
  kTitle,
  kLuck,
  kDetail,
  kBasicText,
  kBasicLuck,
  kSuccessText,
  kSuccessLuck,
  kRelationText,
  kRelationLuck,
  kCharacterText
};

// The text report turns exactly these into line ends; anything else would reach the page as HTML.
constexpr std::string_view kNumberBreak = "<BR>";
constexpr std::string_view kCombinationBreak = "<br />    ";

std::string withoutMarkup(std::string text, std::string_view markup) {
  for (auto at = text.find(markup); at != std::string::npos; at = text.find(markup, at)) {
    text.erase(at, markup.size());
  }
  return text;
}

// No blank, ASCII or ideographic, at either end of a field.
bool isTrimmed(std::string_view text) {
  constexpr std::string_view kIdeographicSpace = "\u3000";
  return !text.starts_with(' ') && !text.ends_with(' ') && !text.starts_with(kIdeographicSpace) &&
         !text.ends_with(kIdeographicSpace);
}

bool hasHtml(std::string_view text) { return text.find_first_of("<>&") != std::string_view::npos; }

std::size_t characterCount(std::string_view utf8) {
  const auto decoded = common::decodeUtf8(utf8);
  return decoded ? decoded->size() : 0;
}

// Three-talents label of a table value.
std::string_view talentLabel(int halves) {
  const auto text = talentValueText(halves);
  if (text == "2") return "吉";
  if (text == "1.5") return "半吉";
  return "凶";
}

// The element order of the engine, 木 火 土 金 水, is the generating cycle: each element generates
// the next one and overcomes the one after that.
bool generates(Element from, Element to) { return (static_cast<int>(to) - static_cast<int>(from) + 5) % 5 == 1; }
bool overcomes(Element from, Element to) { return (static_cast<int>(to) - static_cast<int>(from) + 5) % 5 == 2; }

Element elementAt(std::string_view combination, int position) {
  // Every element word is one character, three bytes of UTF-8.
  return *parseElement(combination.substr(static_cast<std::size_t>(position) * 3, 3));
}

const std::regex kRelationPhrase("(木|火|土|金|水)(?:又|也)?(生|克)(?:天格|人格|地格)?(木|火|土|金|水)");
const std::regex kGridPhrase("(天格|人格|地格)(木|火|土|金|水)");

// How the detail must name the relation between two neighbouring grids.
bool namesRelation(const std::string& text, Element upper, Element lower) {
  if (upper == lower) {
    return text.find("比和") != std::string::npos;
  }
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kRelationPhrase); it != std::sregex_iterator(); ++it) {
    const auto from = *parseElement((*it)[1].str());
    const auto to = *parseElement((*it)[3].str());
    if ((from == upper && to == lower) || (from == lower && to == upper)) {
      return true;
    }
  }
  return false;
}

TEST(NumerologyTexts, BothFilesAreWellFormedTables) {
  for (const auto* file : {&numbers(), &combinations()}) {
    ASSERT_TRUE(file->readable);
    EXPECT_TRUE(file->endsWithLineBreak);
    EXPECT_FALSE(file->hasCarriageReturn);
  }
  EXPECT_EQ(numbers().header, kNumberHeader);
  EXPECT_EQ(combinations().header, kCombinationHeader);
  ASSERT_EQ(numbers().rows.size(), 81u);
  ASSERT_EQ(combinations().rows.size(), 125u);

  for (const auto* file : {&numbers(), &combinations()}) {
    for (const auto& row : file->rows) {
      ASSERT_EQ(row.size(), file->header.size()) << row.front();
      for (std::size_t c = 0; c < row.size(); ++c) {
        SCOPED_TRACE(row.front() + " " + file->header[c]);
        EXPECT_FALSE(row[c].empty());
        EXPECT_TRUE(isTrimmed(row[c]));
      }
    }
  }
}

TEST(NumerologyTexts, NumbersFollowTheLuckTable) {
  const auto& rows = numbers().rows;
  ASSERT_EQ(rows.size(), 81u);
  for (int number = 1; number <= 81; ++number) {
    const auto& row = rows[static_cast<std::size_t>(number - 1)];
    ASSERT_EQ(row.size(), kNumberHeader.size());
    EXPECT_EQ(row[kNum], std::to_string(number));
    const auto luck = tableLuck(number);
    ASSERT_TRUE(luck.has_value());
    EXPECT_EQ(row[kNumLuck], luckWord(*luck)) << "number " << number;
  }
}

TEST(NumerologyTexts, NumberDetailsHoldEightyToTwoHundredCharacters) {
  for (const auto& row : numbers().rows) {
    ASSERT_EQ(row.size(), kNumberHeader.size());
    const auto count = characterCount(withoutMarkup(row[kNumDetail], kNumberBreak));
    EXPECT_GE(count, 80u) << "number " << row[kNum];
    EXPECT_LE(count, 200u) << "number " << row[kNum];
  }
}

TEST(NumerologyTexts, CombinationsComeOnceEachInTableOrder) {
  const auto& rows = combinations().rows;
  ASSERT_EQ(rows.size(), 125u);
  std::size_t i = 0;
  for (int heaven = 0; heaven < kElementCount; ++heaven) {
    for (int person = 0; person < kElementCount; ++person) {
      for (int earth = 0; earth < kElementCount; ++earth, ++i) {
        const auto expected = std::string(elementWord(static_cast<Element>(heaven))) +
                              std::string(elementWord(static_cast<Element>(person))) +
                              std::string(elementWord(static_cast<Element>(earth)));
        ASSERT_FALSE(rows[i].empty());
        EXPECT_EQ(rows[i][kTitle], expected) << "row " << i + 1;
      }
    }
  }
}

TEST(NumerologyTexts, CombinationLabelsFollowTheThreeTalentsValues) {
  constexpr CombinationColumn kLabelColumns[4] = {kLuck, kBasicLuck, kSuccessLuck, kRelationLuck};
  for (const auto& row : combinations().rows) {
    ASSERT_EQ(row.size(), kCombinationHeader.size());
    const auto& title = row[kTitle];
    ASSERT_EQ(characterCount(title), 3u) << title;
    const auto& values = threeTalentsValues(elementAt(title, 0), elementAt(title, 1), elementAt(title, 2));
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(row[kLabelColumns[k]], talentLabel(values.halves[k]))
          << title << " " << kCombinationHeader[kLabelColumns[k]];
    }
  }
}

TEST(NumerologyTexts, CombinationTextsStateTheElementRelationsTruly) {
  for (const auto& row : combinations().rows) {
    ASSERT_EQ(row.size(), kCombinationHeader.size());
    const auto& title = row[kTitle];
    const Element heaven = elementAt(title, 0);
    const Element person = elementAt(title, 1);
    const Element earth = elementAt(title, 2);
    const auto detail = withoutMarkup(row[kDetail], kCombinationBreak);
    EXPECT_TRUE(namesRelation(detail, heaven, person)) << title << ": 天格 and 人格";
    EXPECT_TRUE(namesRelation(detail, person, earth)) << title << ": 人格 and 地格";

    for (std::size_t c = kDetail; c < row.size(); ++c) {
      const auto text = withoutMarkup(row[c], kCombinationBreak);
      for (auto it = std::sregex_iterator(text.begin(), text.end(), kRelationPhrase); it != std::sregex_iterator();
           ++it) {
        const auto from = *parseElement((*it)[1].str());
        const auto to = *parseElement((*it)[3].str());
        const bool holds = (*it)[2].str() == "生" ? generates(from, to) : overcomes(from, to);
        EXPECT_TRUE(holds) << title << " " << kCombinationHeader[c] << ": " << it->str();
      }
      for (auto it = std::sregex_iterator(text.begin(), text.end(), kGridPhrase); it != std::sregex_iterator(); ++it) {
        const auto grid = (*it)[1].str();
        const Element named = *parseElement((*it)[2].str());
        const Element actual = grid == "天格" ? heaven : grid == "人格" ? person : earth;
        EXPECT_EQ(named, actual) << title << " " << kCombinationHeader[c] << ": " << it->str();
      }
    }
  }
}

TEST(NumerologyTexts, OnlyTheLineBreaksTheReportConvertsAreUsedAsMarkup) {
  for (const auto& row : numbers().rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool mayBreak = c == kNumHint || c == kNumDetail;
      EXPECT_FALSE(hasHtml(mayBreak ? withoutMarkup(row[c], kNumberBreak) : row[c]))
          << "number " << row.front() << " " << kNumberHeader[c];
    }
  }
  for (const auto& row : combinations().rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      EXPECT_FALSE(hasHtml(c == kDetail ? withoutMarkup(row[c], kCombinationBreak) : row[c]))
          << row.front() << " " << kCombinationHeader[c];
    }
  }
}

TEST(NumerologyTexts, EveryTextCanBeSentAsGbk) {
  for (const auto* file : {&numbers(), &combinations()}) {
    for (const auto& row : file->rows) {
      for (std::size_t c = 0; c < row.size(); ++c) {
        EXPECT_TRUE(common::utf8ToGbk(row[c]).has_value()) << row.front() << " " << file->header[c];
      }
    }
  }
}

// Parents read these closely: the texts explain, they neither promise nor frighten.
TEST(NumerologyTexts, TextsNeitherPromiseNorFrighten) {
  constexpr std::string_view kWords[] = {"必定", "必然", "必将", "注定", "保证", "一定会",
                                         "灾",   "祸",   "死",   "短命", "夭"};
  for (const auto* file : {&numbers(), &combinations()}) {
    for (const auto& row : file->rows) {
      for (const auto& field : row) {
        for (const auto word : kWords) {
          EXPECT_EQ(field.find(word), std::string::npos) << row.front() << " uses " << word;
        }
      }
    }
  }
}

}  // namespace
}  // namespace quillan::scoring
