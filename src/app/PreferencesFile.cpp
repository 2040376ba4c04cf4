#include "app/PreferencesFile.h"

#include <fstream>
#include <sstream>
#include <variant>

#include "common/AtomicFile.h"
#include "common/GbkCodec.h"
#include "common/UserFolders.h"

namespace quillan::app {
namespace {

constexpr std::string_view kCharactersKey = "avoid_characters=";
constexpr std::string_view kSoundsKey = "avoid_sounds=";

struct Parsed {
  Preferences preferences;
  std::vector<std::string> otherLines;
  std::string fault;  // empty when the text was sound
};

Parsed parse(const std::string& text) {
  Parsed parsed;
  if (!common::decodeUtf8(text)) {
    parsed.fault = "文件不是 UTF-8 文本";
    return parsed;
  }
  std::string characters;
  std::string sounds;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with(kCharactersKey)) {
      characters = line.substr(kCharactersKey.size());
    } else if (line.starts_with(kSoundsKey)) {
      sounds = line.substr(kSoundsKey.size());
    } else if (line.empty() || line.starts_with('#') || line.find('=') != std::string::npos) {
      parsed.otherLines.push_back(line);
    } else {
      parsed.fault = "有一行看不懂：" + line;
      return parsed;
    }
  }
  auto avoidance = quality::parseUserAvoidance(characters, sounds);
  if (const auto* problem = std::get_if<std::string>(&avoidance)) {
    parsed.fault = *problem;
    return parsed;
  }
  parsed.preferences.avoidance = std::get<quality::UserAvoidance>(std::move(avoidance));
  return parsed;
}

}  // namespace

PreferencesFile::PreferencesFile(std::filesystem::path path) : path_(std::move(path)) {}

std::filesystem::path PreferencesFile::defaultPath() { return common::userConfigFolder() / "preferences.txt"; }

PreferencesLoad PreferencesFile::load() {
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) {
    return {};
  }
  std::ifstream in(path_, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  Parsed parsed = in ? parse(text.str()) : Parsed{{}, {}, "文件无法打开"};
  if (parsed.fault.empty()) {
    otherLines_ = std::move(parsed.otherLines);
    return {std::move(parsed.preferences), {}};
  }
  const common::KeptAside kept = common::keepAside(path_);
  std::string problem =
      "设置文件「" + path_.string() + "」无法读取（" + parsed.fault + "），要避开的字和读音从空白开始。";
  problem += kept.failure.empty() ? "原文件已另存为「" + kept.movedTo.string() + "」。"
                                  : "原文件也无法移开（" + kept.failure + "），保存设置前请先处理它。";
  if (!kept.failure.empty()) {
    path_.clear();  // never overwrite a file the user may still want
  }
  return {{}, std::move(problem)};
}

std::optional<std::string> PreferencesFile::save(const Preferences& preferences) {
  if (path_.empty()) {
    return std::string("原来的设置文件还在原处，未能移开");
  }
  if (auto problem = common::ensureFolder(path_.parent_path())) {
    return problem;
  }
  std::string text;
  for (const auto& line : otherLines_) {
    text += line + '\n';
  }
  text += std::string(kCharactersKey) + preferences.avoidance.charactersText() + '\n';
  text += std::string(kSoundsKey) + preferences.avoidance.soundsText() + '\n';
  return common::writeFileAtomically(path_, text);
}

}  // namespace quillan::app
