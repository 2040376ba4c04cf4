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

std::string gateIdsJson(unsigned gates) {
  std::string json = "[";
  for (int gate = 1; gate <= 6; ++gate) {
    if ((gates & (1U << gate)) != 0) {
      json += (json.size() > 1 ? "," : "") + jsonString(quality::gateId(static_cast<quality::Gate>(gate)));
    }
  }
  return json + "]";
}

std::string qualityJson(const quality::Assessment& assessment) {
  std::string syllables;
  for (const auto& c : assessment.characters) {
    syllables += std::string(syllables.empty() ? "" : ",") + "{\"character\":" + jsonString(c.character) +
                 ",\"pinyin\":" + jsonString(c.reading) + ",\"tone\":" + std::to_string(c.syllable.tone) +
                 ",\"toneClass\":" + jsonString(quality::toneClassName(quality::toneClass(c.syllable.tone))) + "}";
  }
  std::string reasons;
  for (const auto& step : assessment.euphony.steps) {
    reasons += std::string(reasons.empty() ? "" : ",") + "{\"points\":" + std::to_string(step.points) +
               ",\"text\":" + jsonString(step.text) + "}";
  }
  std::string warnings;
  for (const auto& finding : assessment.findings) {
    warnings += std::string(warnings.empty() ? "" : ",") + "{\"gate\":" + jsonString(quality::gateId(finding.gate)) +
                ",\"blocking\":" + (finding.blocking ? "true" : "false") + ",\"text\":" + jsonString(finding.text) +
                "}";
  }
  return "{\"syllables\":[" + syllables + "],\"pattern\":" + jsonString(assessment.pattern) +
         ",\"euphony\":{\"score\":" + std::to_string(assessment.euphony.score) +
         ",\"base\":" + std::to_string(quality::kEuphonyBase) + ",\"reasons\":[" + reasons +
         "]},\"passes\":" + (assessment.verdict.passes() ? "true" : "false") + ",\"warnings\":[" + warnings + "]}";
}

}  // namespace quillan::cli
