#include "app/ShortlistEntries.h"

#include <algorithm>

#include "common/TextSplit.h"

namespace quillan::app {

shortlist::ShortlistEntry shortlistEntryOf(const generate::ResultRow& row, int surnameChars) {
  const auto characters = common::splitCharacters(row[generate::ResultColumn::Name]);
  const auto split = static_cast<std::ptrdiff_t>(std::clamp(surnameChars, 1, static_cast<int>(characters.size())));
  shortlist::ShortlistEntry entry;
  entry.surname = common::joinText({characters.begin(), characters.begin() + split}, "");
  entry.given = common::joinText({characters.begin() + split, characters.end()}, "");
  entry.score = row[generate::ResultColumn::Score];
  entry.pinyin = row.details.pinyin;
  entry.euphony = row.details.euphony;
  return entry;
}

shortlist::ShortlistEntry shortlistEntryOf(const evaluate::Evaluation& evaluation, int euphony) {
  const auto& in = evaluation.inputs;
  shortlist::ShortlistEntry entry;
  entry.surname = in.surname1.simplified + in.surname2.simplified;
  entry.given = in.given1.simplified + in.given2.simplified;
  entry.score = evaluation.result.score;
  for (const chars::CharRecord* record : {&in.surname1, &in.surname2, &in.given1, &in.given2}) {
    if (!record->pinyin.empty()) {
      entry.pinyin += (entry.pinyin.empty() ? "" : " ") + record->pinyin;
    }
  }
  entry.euphony = euphony;
  return entry;
}

}  // namespace quillan::app
