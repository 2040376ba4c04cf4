#include "generate/GenerationMessages.h"

#include <algorithm>

namespace quillan::generate {

std::string skippedCharactersMessage(const std::vector<std::string>& characters) {
  std::vector<std::string> named;
  std::string text = "未找到汉字";
  for (const auto& character : characters) {
    if (std::find(named.begin(), named.end(), character) == named.end()) {
      named.push_back(character);
      text += "「" + character + "」";
    }
  }
  return text + "的笔划数据，组合名字时已跳过";
}

std::string highScoreSummary(int rows) { return "本次共生成高分名字" + std::to_string(rows) + "个"; }

std::string classicShortfallMessage(int draws, int found) {
  return "抽取了" + std::to_string(draws) + "个名字，只有" + std::to_string(found) + "个通过筛选";
}

}  // namespace quillan::generate
