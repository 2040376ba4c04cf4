#pragma once

#include <string>
#include <vector>

#include "chars/CharacterLists.h"
#include "chars/MemoryCharacterLookup.h"
#include "generate/Generate.h"

// Small lists and a dictionary in memory, and a run that collects everything it reports.
namespace quillan::generate::testing {

inline chars::CharacterLists smallLists() {
  return {
      {"明,明,míng,8,火", "华,華,huá,14,水", "浩,浩,hào,11,水", "宇,宇,yǔ,6,土", "轩,軒,xuān,10,土", "杰,傑,jié,12,木",
       "文,文,wén,4,水", "博,博,bó,12,水", "天,天,tiān,4,火", "俊,俊,jùn,9,火", "子,子,zǐ,3,水", "涛,濤,tāo,18,水",
       "瑞,瑞,ruì,14,金", "晨,晨,chén,11,火"},
      {"婷,婷,tíng,12,火", "雅,雅,yǎ,12,木", "思,思,sī,9,金", "雨,雨,yǔ,8,水", "欣,欣,xīn,8,木", "怡,怡,yí,9,土",
       "琳,琳,lín,13,木"},
  };
}

inline chars::MemoryCharacterLookup dictionary() {
  return chars::MemoryCharacterLookup({
      {"李", "李", "lǐ", "7", "木"},
      {"王", "王", "wáng", "4", "土"},
      {"欧", "歐", "ōu", "15", "土"},
      {"阳", "陽", "yáng", "17", "火"},
      {"成", "成", "chéng", "7", "金"},
      {"运", "運", "yùn", "16", "土"},
      {"明", "明", "míng", "8", "火"},
      {"华", "華", "huá", "14", "水"},
      {"空", "空", "kōng", "", "木"},  // a record without a stroke count
  });
}

inline GenerationRequest request(std::string surname, GenerationMode mode) {
  GenerationRequest request;
  request.surname = std::move(surname);
  request.mode = mode;
  request.birthday = {"生日", "2013", "5", "20", "10"};
  return request;
}

struct ProgressStep {
  std::string label;
  int range;
  int position;
  bool operator==(const ProgressStep&) const = default;
};

struct Run {
  GenerationOutcome outcome;
  std::vector<ResultRow> rows;
  std::vector<ProgressStep> progress;
  std::vector<std::string> notices;

  std::vector<std::string> column(ResultColumn c) const {
    std::vector<std::string> cells;
    for (const auto& row : rows) {
      cells.push_back(row[c]);
    }
    return cells;
  }
};

inline Run run(const GenerationRequest& request, const chars::CharacterLists& lists, chars::CharacterLookup& lookup) {
  Run result;
  GenerationSinks sinks;
  sinks.row = [&](ResultRow row) { result.rows.push_back(std::move(row)); };
  sinks.progress = [&](std::string_view label, int range, int position) {
    result.progress.push_back({std::string(label), range, position});
  };
  sinks.notice = [&](std::string_view message) { result.notices.emplace_back(message); };
  result.outcome = runGenerate(request, lists, lookup, sinks);
  return result;
}

inline Run run(const GenerationRequest& request, const chars::CharacterLists& lists = smallLists()) {
  auto lookup = dictionary();
  return run(request, lists, lookup);
}

// The grid numbers of a row's column 3, in the order 天格, 人格, 地格, 外格, 总格.
std::vector<int> gridsOf(const ResultRow& row);

}  // namespace quillan::generate::testing
