#pragma once

#include <string>

#include "chars/CharacterLists.h"
#include "quality/UserAvoidance.h"

namespace quillan::generate {

// "二字": one given-name character; "三字": two.
enum class NameLength { Two, Three };

// "经典模式", "高分模式", "自选模式", "起小名".
enum class GenerationMode { Classic, HighScore, SelfChosen, Nickname };

// "普通算法" lists the names as the numbers give them; "高级算法" keeps only the names that pass the
// quality gates and, in high-score runs, ranks them by 音律分. Self-chosen and nickname runs read
// neither.
enum class Algorithm { Normal, Advanced };

// "不设置辈份字", "设置第2个字为", "设置第3个字为": where the fixed generation character stands in the
// full name (second character = first given-name character).
enum class GenerationCharOption { None, Second, Third };

// "〖A A型〗", "〖小A型〗", "〖A儿型〗".
enum class NicknamePattern { AA, XiaoA, AEr };

// The birth-date selectors as the window shows them: the texts of their selected items. The run's
// seed adds their leading numbers, so "生日" and "未知" count 0, and the date counts even when the
// birthday is "未知".
struct BirthdaySelection {
  std::string birthday = "生日";  // "生日" or "未知"
  std::string year;               // "2013"
  std::string month;              // "5"
  std::string day;                // "20"
  std::string hour;               // "0" … "23" or "未知"
};

// Every selection a run depends on, read once when the run starts, so nothing typed meanwhile can
// mix into its rows. Texts are UTF-8 exactly as typed (no trimming).
struct GenerationRequest {
  std::string surname;  // 编辑框1
  chars::Gender gender = chars::Gender::Boy;
  NameLength nameLength = NameLength::Three;
  BirthdaySelection birthday;
  GenerationMode mode = GenerationMode::Classic;
  Algorithm algorithm = Algorithm::Normal;
  GenerationCharOption generationCharOption = GenerationCharOption::None;
  std::string secondCharText;  // 编辑框2, read with 设置第2个字为
  std::string thirdCharText;   // 编辑框3, read with 设置第3个字为
  std::string selfChosenText;  // 编辑框5, the characters of 自选模式
  NicknamePattern nicknamePattern = NicknamePattern::AA;
  // The family's characters and sounds to avoid, under both algorithms in classic and high-score runs.
  quality::UserAvoidance avoidance;
};

}  // namespace quillan::generate
