#pragma once

#include <string>
#include <string_view>
#include <vector>

// The sentences a generation run shows. Message boxes carry the caption kMessageCaption.
namespace quillan::generate {

inline constexpr std::string_view kMessageCaption = "温馨提示";

inline constexpr std::string_view kEnterSurname = "请输入姓氏";
inline constexpr std::string_view kSurnameChineseOnly = "姓氏只能是中文汉字";
inline constexpr std::string_view kSurnameLength = "姓氏只能是一个或两个汉字";
inline constexpr std::string_view kEnterGenerationChar = "请输入一个辈份字";
inline constexpr std::string_view kEnterSelfChosen = "请输入要组合成名字的汉字";
inline constexpr std::string_view kSelfChosenChineseOnly = "只能输入中文汉字";
inline constexpr std::string_view kEmptyList = "名字字库为空，无法生成名字";

inline constexpr std::string_view kGenerationProgress = "生成进度：";
inline constexpr std::string_view kProcessingProgress = "处理进度：";

// Self-chosen characters the dictionary lacks, each named once in typed order; the run goes on
// with the others.
std::string skippedCharactersMessage(const std::vector<std::string>& characters);

// "本次共生成高分名字N个".
std::string highScoreSummary(int rows);

// A checked classic run that found fewer than its 100 names.
std::string classicShortfallMessage(int draws, int found);

}  // namespace quillan::generate
