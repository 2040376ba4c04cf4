#include "evaluate/SoundSection.h"

#include <array>

namespace quillan::evaluate {
namespace {

constexpr std::array<std::string_view, 5> kToneNames{"轻声", "第一声", "第二声", "第三声", "第四声"};

std::string row(std::string_view label, const std::string& content) {
  return "<tr><td width=\"22%\" valign=\"top\"><b>" + std::string(label) + "</b></td><td>" + content + "</td></tr>\n";
}

std::string lines(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) {
    text += (text.empty() ? "" : "<br>") + item;
  }
  return text;
}

}  // namespace

std::string soundSectionHtml(const quality::Assessment& sound, const std::vector<std::string>& meanings) {
  if (sound.characters.empty()) {
    return {};
  }
  std::vector<std::string> readings;
  for (const auto& c : sound.characters) {
    const int tone = c.syllable.tone;
    readings.push_back("<span class=\"label\">" + c.character + "</span> " + c.reading + "，" +
                       std::string(kToneNames[static_cast<std::size_t>(tone >= 0 && tone <= 4 ? tone : 0)]) + "，" +
                       std::string(quality::toneClassName(quality::toneClass(tone))));
  }
  std::vector<std::string> steps{"起点 " + std::to_string(quality::kEuphonyBase) + " 分"};
  for (const auto& step : sound.euphony.steps) {
    steps.push_back(step.text);
  }
  std::vector<std::string> warnings;
  for (const auto& finding : sound.findings) {
    warnings.push_back((finding.blocking ? "<span class=\"warn\">" : "<span class=\"hint\">") + finding.text +
                       "</span>");
  }
  if (warnings.empty()) {
    warnings.emplace_back("读音和用字没有发现要提醒的地方");
  }
  std::vector<std::string> meaningLines;
  std::size_t given = 0;
  for (const auto& c : sound.characters) {
    if (!c.given) {
      continue;
    }
    const std::string& meaning = given < meanings.size() ? meanings[given] : std::string();
    meaningLines.push_back("「" + c.character + "」" + (meaning.empty() ? "字库里还没有写它的字义" : meaning));
    ++given;
  }
  std::string html = "<h2>音律与字义</h2>\n<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\">\n";
  html += row("读音与声调", lines(readings));
  html += row("平仄", sound.pattern);
  html += row("音律分", "<span class=\"euphony\">" + std::to_string(sound.euphony.score) + "</span> 分（0-100，" +
                            "越高读来越顺口）<br><span class=\"explain\">" + lines(steps) + "</span>");
  html += row("提醒", lines(warnings));
  html += row("字义", lines(meaningLines));
  return html + "</table>\n";
}

}  // namespace quillan::evaluate
