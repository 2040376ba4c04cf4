#include "cli/JsonText.h"

#include <cstdio>

namespace quillan::cli {

std::string jsonString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          quoted += escaped;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + '"';
}

std::string characterJson(const chars::CharRecord& record, const chars::CharDetails& details) {
  std::string readings;
  for (const auto& reading : details.readings) {
    readings += (readings.empty() ? "" : ",") + jsonString(reading);
  }
  return "{\"simplified\":" + jsonString(record.simplified) + ",\"traditional\":" + jsonString(record.traditional) +
         ",\"pinyin\":" + jsonString(record.pinyin) + ",\"strokes\":" + jsonString(record.strokes) +
         ",\"element\":" + jsonString(record.element) + ",\"elementBasis\":" + jsonString(details.elementBasis) +
         ",\"tghLevel\":" + std::to_string(details.tghLevel) + ",\"readings\":[" + readings + "]" +
         ",\"surnameReading\":" + jsonString(details.surnameReading) + ",\"meaning\":" + jsonString(details.meaning) +
         "}";
}

}  // namespace quillan::cli
