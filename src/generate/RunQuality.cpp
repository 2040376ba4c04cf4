#include "generate/RunQuality.h"

#include <algorithm>
#include <numeric>

#include "common/TextSplit.h"
#include "generate/BirthdayChart.h"

namespace quillan::generate {

void GateTally::add(const quality::Verdict& verdict) {
  ++removed_;
  for (std::size_t gate = 1; gate < byGate_.size(); ++gate) {
    if ((verdict.failedGates & (1U << gate)) != 0) {
      ++byGate_[gate];
    }
  }
}

std::string GateTally::summaryLine() const {
  if (removed_ == 0) {
    return {};
  }
  std::array<std::size_t, 6> gates{};
  std::iota(gates.begin(), gates.end(), std::size_t{1});
  std::stable_sort(gates.begin(), gates.end(), [&](std::size_t a, std::size_t b) { return byGate_[a] > byGate_[b]; });
  std::string line = "\n筛选去掉了" + std::to_string(removed_) + "对，最多的原因：";
  for (std::size_t i = 0; i < 3 && byGate_[gates[i]] > 0; ++i) {
    line += (i == 0 ? "" : "、") + std::string(quality::gateName(static_cast<quality::Gate>(gates[i]))) + "（" +
            std::to_string(byGate_[gates[i]]) + "对）";
  }
  return line;
}

RunQuality::RunQuality(const CheckedRequest& run, const GenerationContext& context)
    : advanced_(run.request.algorithm == Algorithm::Advanced),
      checker_(quality::AvoidTables::builtIn(), run.request.avoidance) {
  const auto readings = common::splitText(context.surnamePinyin, " ");
  for (std::size_t i = 0; i < run.surnameCharacters.size(); ++i) {
    surname_.push_back(checker_.sound(run.surnameCharacters[i], i < readings.size() ? readings[i] : "", false, -1));
  }
  if (advanced_) {
    chart_ = birthdayChart(run.request.birthday);
  }
  if (run.placesGenerationChar()) {
    generationChar_ =
        checker_.sound(run.generationCharacter, context.generationCharRecord.pinyin, true, context.generationCharLevel);
  }
}

quality::SoundedChar RunQuality::soundListCharacter(const chars::CharRecord& record) const {
  return checker_.sound(record.simplified, record.pinyin, true, 1);
}

RunQuality::Judgement RunQuality::judge(const quality::SoundedChar* first, const quality::SoundedChar* second) {
  std::array<const quality::SoundedChar*, 4> name{};
  std::size_t length = 0;
  for (const auto& c : surname_) {
    name[length++] = &c;
  }
  name[length++] = first;
  if (second != nullptr) {
    name[length++] = second;
  }
  const quality::Verdict verdict = checker_.judge(quality::NameView(name.data(), length));
  const bool keep = advanced_ ? verdict.passes() : !verdict.userAvoided;
  if (!keep) {
    // The plain algorithm removes a name for the family's list alone, so that is its only reason.
    quality::Verdict reasons = verdict;
    if (!advanced_) {
      reasons.failedGates = 1U << static_cast<unsigned>(quality::Gate::AvoidedCharacter);
    }
    tally_.add(reasons);
  }
  return {keep, true, advanced_ ? verdict.euphony : -1, verdict.failedGates, verdict.warnedGates};
}

RunQuality::Judgement RunQuality::judge(std::string_view givenElements, const quality::SoundedChar* first,
                                        const quality::SoundedChar* second) {
  Judgement judgement = judge(first, second);
  if (judgement.keep && chart_) {
    judgement.favourable = favourableCount(*chart_, givenElements);
  }
  return judgement;
}

void RunQuality::Judgement::describe(RowDetails& details) const {
  details.judged = judged;
  details.euphony = euphony;
  details.failedGates = failedGates;
  details.warnedGates = warnedGates;
  details.favourable = favourable;
}

}  // namespace quillan::generate
