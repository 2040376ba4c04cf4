#include "chars/CharacterLookup.h"

namespace quillan::chars {

bool hasStrokes(const LookupResult& result) {
  return result.status == LookupStatus::Found && result.record.strokeCount() > 0;
}

std::string lookupFailureMessage(const LookupResult& result, std::string_view character) {
  if (result.status == LookupStatus::Unreachable) {
    return "无法连接数据服务";
  }
  return "未找到汉字「" + std::string(character) + "」的笔划数据";
}

}  // namespace quillan::chars
