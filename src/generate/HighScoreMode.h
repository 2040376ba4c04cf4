#pragma once

#include "chars/CharacterLists.h"
#include "generate/GenerationContext.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationSinks.h"
#include "generate/RequestCheck.h"

namespace quillan::generate {

// 高分模式: every ordered pair of the gender's list entries whose 人格, 地格 and 总格 are all high-score
// numbers (scoring::isHighScoreNumber), the first character as the outer loop so that names sharing it stand together,
// groups in list order. Always two given-name characters; the generation-character options are not read. Progress
// "生成进度：" over the list's entries. The family's avoid list removes its names; "高级算法" removes every name
// failing a quality gate and lists the rest by 音律分, then score, then that order, numbered anew. The summary
// "本次共生成高分名字N个" counts the rows listed, and a second line says what the checks removed.
GenerationOutcome runHighScoreMode(const CheckedRequest& run, const GenerationContext& context,
                                   const chars::CharacterLists& lists, const GenerationSinks& sinks);

}  // namespace quillan::generate
