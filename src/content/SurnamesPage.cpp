#include "content/SurnamesPage.h"

#include <algorithm>

#include "common/GbkCodec.h"
#include "content/PageParts.h"
#include "content/PageShell.h"
#include "content/PinyinKey.h"

namespace quillan::content {
namespace {

constexpr std::string_view kMissing = "字库未收";

// One character of a surname as the dictionary has it, read as the surname reads it.
struct SurnameCharacter {
  std::string text;
  const chartable::CharacterRow* entry = nullptr;
  std::string reading;
};

std::vector<SurnameCharacter> charactersOf(const Surname& surname, const chartable::CharacterTable& dictionary) {
  std::vector<SurnameCharacter> characters;
  const auto codePoints = common::decodeUtf8(surname.text).value_or(std::u32string{});
  for (std::size_t i = 0; i < codePoints.size(); ++i) {
    SurnameCharacter character;
    common::appendUtf8(character.text, codePoints[i]);
    character.entry = dictionary.find(character.text);
    if (character.entry) {
      // Our reading only where the dictionary knows it for this character.
      const auto& readings = character.entry->readings;
      const bool known = i < surname.readings.size() &&
                         std::find(readings.begin(), readings.end(), surname.readings[i]) != readings.end();
      character.reading = known ? surname.readings[i] : character.entry->pinyin;
    }
    characters.push_back(std::move(character));
  }
  return characters;
}

bool complete(const std::vector<SurnameCharacter>& characters) {
  return std::all_of(characters.begin(), characters.end(), [](const auto& c) { return c.entry != nullptr; });
}

std::string pinyinText(const std::vector<SurnameCharacter>& characters) {
  std::string text;
  for (const auto& c : characters) {
    text += (text.empty() ? "" : " ") + c.reading;
  }
  return text;
}

std::string traditionalText(const std::vector<SurnameCharacter>& characters) {
  std::string text;
  for (const auto& c : characters) {
    text += c.entry->traditional;
  }
  return text;
}

// "15", or "15＋17＝32" for two characters.
std::string strokesText(const std::vector<SurnameCharacter>& characters) {
  if (characters.size() == 1) {
    return std::to_string(characters.front().entry->kangxiStrokes);
  }
  std::string text;
  int total = 0;
  for (const auto& c : characters) {
    text += (text.empty() ? "" : "＋") + std::to_string(c.entry->kangxiStrokes);
    total += c.entry->kangxiStrokes;
  }
  return text + "＝" + std::to_string(total);
}

// The other readings of a character whose surname reading is not its usual one.
std::string otherReadingsText(const SurnameCharacter& character) {
  std::string text;
  for (const auto& reading : character.entry->readings) {
    if (reading != character.reading) {
      text += (text.empty() ? "" : "、") + reading;
    }
  }
  return text;
}

std::string surnameTable(std::span<const Surname> surnames, SurnameKind kind,
                         const chartable::CharacterTable& dictionary) {
  struct Row {
    std::string sortKey;
    std::string html;
  };
  std::vector<Row> rows;
  for (const auto& surname : surnames) {
    if (surname.kind != kind) {
      continue;
    }
    const auto characters = charactersOf(surname, dictionary);
    const std::string name = "<b>" + escapeHtml(surname.text) + "</b>";
    const bool special = kind == SurnameKind::Special;
    if (!complete(characters)) {
      rows.push_back(
          {surname.text, special ? rowHtml({name, kMissing, "", "", ""}) : rowHtml({name, kMissing, "", ""})});
      continue;
    }
    const auto pinyin = pinyinText(characters);
    std::string key;
    for (const auto& c : characters) {
      key += pinyinSortKey(c.reading) + " ";
    }
    const auto traditional = traditionalText(characters);
    const auto strokes = strokesText(characters);
    rows.push_back({key, special ? rowHtml({name, pinyin, traditional, strokes, otherReadingsText(characters.front())})
                                 : rowHtml({name, pinyin, traditional, strokes})});
  }
  if (kind == SurnameKind::Common) {
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.sortKey < b.sortKey; });
  }
  std::string html = "<table>\n";
  html += kind == SurnameKind::Special ? rowHtml({"姓氏", "作姓氏读", "繁体", "康熙笔画", "平时另读"}, true)
                                       : rowHtml({"姓氏", "拼音", "繁体", "康熙笔画"}, true);
  for (const auto& row : rows) {
    html += row.html;
  }
  html += "</table>\n";
  return html;
}

}  // namespace

std::string surnamesPageHtml(const chartable::CharacterTable& dictionary, std::span<const Surname> surnames) {
  std::string body =
      "<p>《百家姓》是北宋初年编成的蒙学读物，把常见姓氏编成四字一句的韵文，以“赵钱孙李，周吴郑王”开头，"
      "流传至今已有一千多年。下面按今天的情况，列出人数较多的姓氏、读音特殊的姓氏和常见的复姓。</p>\n"
      "<p>取名测算五格时，姓氏的笔画按繁体字的康熙字典笔画计算：天格由姓氏的笔画得出，"
      "所以先查准姓氏的笔画很重要。复姓的笔画是两个字相加。</p>\n";
  body += "<h2>常见姓氏（按拼音排列）</h2>\n" + surnameTable(surnames, SurnameKind::Common, dictionary);
  body += "<h2>读音特殊的姓氏</h2>\n<p>这些字作姓氏时有专门的读音，给宝宝报户口、取名时别读错。</p>\n" +
          surnameTable(surnames, SurnameKind::Special, dictionary);
  body += "<h2>常见复姓</h2>\n" + surnameTable(surnames, SurnameKind::Compound, dictionary);
  body += "<p class=\"note\">拼音、繁体和笔画取自本程序的字库。</p>\n";
  return pageHtml("百家姓", body);
}

}  // namespace quillan::content
