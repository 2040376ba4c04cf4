#include "chars/CharRecord.h"

#include <gtest/gtest.h>

namespace quillan::chars {
namespace {

TEST(CharRecord, ParsesEntriesFieldByField) {
  struct Case {
    const char* entry;
    CharRecord record;
  };
  const Case cases[] = {
      {"儿,兒,er,8,金", {"儿", "兒", "er", "8", "金"}},
      {"小,小,xiao,3,金", {"小", "小", "xiao", "3", "金"}},
      {" 明 ,明,míng,8,火,extra", {" 明 ", "明", "míng", "8", "火"}},  // no trimming, sixth field ignored
      {"明,明", {"明", "明", "", "", ""}},                             // missing fields stay empty
      {"", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseEntry(c.entry), c.record) << c.entry;
  }
  EXPECT_EQ(entryText(parseEntry("儿,兒,er,8,金")), "儿,兒,er,8,金");
}

TEST(CharRecord, StrokeCountOfTexts) {
  EXPECT_EQ(parseEntry("儿,兒,er,8,金").strokeCount(), 8);
  EXPECT_EQ(parseEntry("儿,兒,er,,金").strokeCount(), 0);
}

TEST(CharRecord, MergesATwoCharacterSurname) {
  const CharRecord ou{"欧", "歐", "ōu", "15", "土"};
  const CharRecord yang{"阳", "陽", "yáng", "17", "火"};
  EXPECT_EQ(mergeSurname(ou, yang), (CharRecord{"欧阳", "歐陽", "ōuyáng", "17", "土火"}));
}

}  // namespace
}  // namespace quillan::chars
