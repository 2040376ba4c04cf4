#include "chars/CharacterLookup.h"

namespace quillan::chars {

bool hasStrokes(const LookupResult& result) {
  return result.status == LookupStatus::Found && result.record.strokeCount() > 0;
}

std::vector<std::string> surnameReadings(const std::vector<LookupResult>& characters, std::string_view surname) {
  if (characters.size() == 2) {
    auto compound = compoundSurnameReadings(characters.front().details, surname);
    if (compound.size() == 2) {
      return compound;
    }
  }
  std::vector<std::string> readings;
  for (const auto& character : characters) {
    const auto& own = character.details.surnameReading;
    readings.push_back(characters.size() == 1 && !own.empty() ? own : character.record.pinyin);
  }
  return readings;
}

std::string lookupFailureMessage(const LookupResult& result, std::string_view character) {
  if (result.status == LookupStatus::Unreachable) {
    return "无法连接数据服务";
  }
  return "未找到汉字「" + std::string(character) + "」的笔划数据";
}

}  // namespace quillan::chars
