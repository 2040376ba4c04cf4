#include "content/PolyphonesPage.h"

#include <algorithm>
#include <vector>

#include "content/PageShell.h"
#include "content/PinyinKey.h"

namespace quillan::content {
namespace {

constexpr int kPerRow = 4;

std::string readingsText(const chartable::CharacterRow& entry) {
  std::string text;
  for (const auto& reading : entry.readings) {
    text += (text.empty() ? "" : "、") + escapeHtml(reading);
  }
  return text;
}

}  // namespace

bool isFirstLevelCharacter(int gbkCode) {
  const int lead = gbkCode >> 8;
  const int trail = gbkCode & 0xFF;
  return gbkCode <= 0xD7F9 && lead >= 0xB0 && lead <= 0xD7 && trail >= 0xA1 && trail <= 0xFE;
}

std::string polyphonesPageHtml(const chartable::CharacterTable& dictionary) {
  std::vector<const chartable::CharacterRow*> entries;
  for (const auto& entry : dictionary.rows()) {
    if (isFirstLevelCharacter(entry.id) && entry.readings.size() >= 2) {
      entries.push_back(&entry);
    }
  }
  // By the usual reading, which the table shows first; code order among equal readings.
  std::stable_sort(entries.begin(), entries.end(), [](const auto* a, const auto* b) {
    return std::pair(pinyinSortKey(a->pinyin), a->id) < std::pair(pinyinSortKey(b->pinyin), b->id);
  });

  std::vector<std::pair<char, std::vector<const chartable::CharacterRow*>>> groups;
  for (const auto* entry : entries) {
    const char initial = pinyinInitial(entry->pinyin);
    if (groups.empty() || groups.back().first != initial) {
      groups.push_back({initial, {}});
    }
    groups.back().second.push_back(entry);
  }

  std::string body = "<p>下表列出常用字（国家标准GB 2312中的一级汉字，共3755个）里有两个或更多读音的" +
                     std::to_string(entries.size()) +
                     "个字，读音取自本程序的字库，也包括轻声和变调的读法。给宝宝取名时用到多音字，"
                     "最好确认大家都会读成你想要的那个音。</p>\n<p>";
  for (const auto& [initial, members] : groups) {
    const std::string letter(1, initial ? initial : '#');
    body += "<a href=\"#" + letter + "\">" + letter + "</a> ";
  }
  body += "</p>\n";
  for (const auto& [initial, members] : groups) {
    const std::string letter(1, initial ? initial : '#');
    body += "<h2><a name=\"" + letter + "\"></a>" + letter + "</h2>\n<table width=\"100%\">\n";
    for (std::size_t i = 0; i < members.size(); i += kPerRow) {
      body += "<tr>";
      for (std::size_t j = i; j < i + kPerRow; ++j) {
        if (j < members.size()) {
          body += "<td><b>" + escapeHtml(members[j]->simplified) + "</b>　" + readingsText(*members[j]) + "</td>";
        } else {
          body += "<td></td>";
        }
      }
      body += "</tr>\n";
    }
    body += "</table>\n";
  }
  if (entries.empty()) {
    body += "<p>字库尚未载入，暂时无法列出。</p>\n";
  }
  return pageHtml("常用多音字表", body);
}

}  // namespace quillan::content
