#pragma once

#include <string>

#include "chars/MemoryCharacterLookup.h"
#include "evaluate/NumerologyTexts.h"

namespace quillan::evaluate::testing {

// Characters from a small table; everything else is not found.
inline chars::MemoryCharacterLookup tableLookup() {
  chars::MemoryCharacterLookup lookup;
  for (const char* entry : {"李,李,lǐ,7,火", "明,明,míng,8,火", "华,華,huá,14,水", "欧,歐,ōu,15,土", "阳,陽,yáng,17,火",
                            "空,空,kōng,,木"}) {
    lookup.add(chars::parseEntry(entry));
  }
  return lookup;
}

// Texts that name their number or combination, with the markup the service texts carry.
class NamedTexts final : public NumerologyTexts {
 public:
  NumberTexts numberTexts(int number) override {
    const auto n = std::to_string(number);
    return {"题" + n, "吉" + n, "示" + n + "<BR>续", "解" + n + "<BR>二行"};
  }
  TalentTexts talentTexts(std::string_view combination) override {
    const std::string c(combination);
    return {c, "吉", "详" + c + "<br />    下", "基", "吉", "成", "半吉", "人", "凶", "性"};
  }
};

}  // namespace quillan::evaluate::testing
