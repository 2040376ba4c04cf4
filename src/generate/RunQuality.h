#pragma once

#include <array>
#include <string>
#include <vector>

#include "bazi/BirthChart.h"
#include "chars/CharRecord.h"
#include "generate/GenerationContext.h"
#include "generate/RequestCheck.h"
#include "generate/ResultRow.h"
#include "quality/NameQuality.h"

namespace quillan::generate {

// How many removed pairs each gate caught (a pair failing two gates counts for both).
class GateTally {
 public:
  void add(const quality::Verdict& verdict);
  int removed() const { return removed_; }
  // "\n筛选去掉了N对，最多的原因：双声叠韵（n对）、…" with at most three reasons; empty when none.
  std::string summaryLine() const;

 private:
  int removed_ = 0;
  std::array<int, 7> byGate_{};  // indexed by the gate's number
};

// The quality side of one generation run: which names it keeps and their 音律分. Under "高级算法" a
// name must pass every gate; under "普通算法" only the family's own avoid list applies, so that with
// an empty list the rows stay exactly those of the plain run.
class RunQuality {
 public:
  RunQuality(const CheckedRequest& run, const GenerationContext& context);

  bool advanced() const { return advanced_; }
  // Whether this run checks names at all.
  bool active() const { return advanced_ || !checker_.user().empty(); }

  // A list character prepared once for the run; list characters are all in the 通用规范汉字表 (the
  // list review checks it).
  quality::SoundedChar soundListCharacter(const chars::CharRecord& record) const;
  // The run's generation character, whose level came with its lookup.
  const quality::SoundedChar& generationCharacter() const { return generationChar_; }

  struct Judgement {
    bool keep = true;
    bool judged = false;
    int euphony = -1;  // set in advanced runs
    unsigned failedGates = 0;
    unsigned warnedGates = 0;
    int favourable = -1;  // given-name characters carrying 用神 or 喜神; -1 without a chart

    void describe(RowDetails& details) const;
  };
  // The surname's characters, then the given ones.
  Judgement judge(const quality::SoundedChar* first, const quality::SoundedChar* second = nullptr);
  // The same with the given name's elements ("木火"), which an advanced run with a known birthday
  // counts against the chart's 喜用神.
  Judgement judge(std::string_view givenElements, const quality::SoundedChar* first,
                  const quality::SoundedChar* second = nullptr);

  // The birth chart an advanced run ranks by, when the birthday is known.
  const std::optional<bazi::BirthChart>& chart() const { return chart_; }

  const GateTally& tally() const { return tally_; }

 private:
  bool advanced_;
  quality::QualityChecker checker_;
  std::vector<quality::SoundedChar> surname_;
  quality::SoundedChar generationChar_;
  std::optional<bazi::BirthChart> chart_;
  GateTally tally_;
};

}  // namespace quillan::generate
