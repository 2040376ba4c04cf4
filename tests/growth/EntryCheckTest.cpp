#include <gtest/gtest.h>

#include "StandardsFixture.h"
#include "growth/EntryCheck.h"
#include "growth/GrowthRecords.h"

using namespace quillan::growth;
using quillan::calendar::Date;
using quillan::growth::testing::standards;

namespace {

const Date kToday{2026, 7, 10};
const ChildRecord kBoy{"小宝", Sex::Boy, {2026, 1, 5}, {}};

}  // namespace

TEST(EntryCheck, ImplausibleMeasurementsAreRefused) {
  struct Case {
    const char* what;
    Measurement entry;
    const char* refusalPart;  // empty: accepted
  };
  const Case cases[] = {
      {"typical six months", {{2026, 7, 5}, 7.9, 68.0, 43.5}, ""},
      {"weight only", {{2026, 7, 5}, 7.9, {}, {}}, ""},
      {"on the day of birth", {{2026, 1, 5}, 3.3, 50.0, 34.5}, ""},
      {"today", {kToday, 8.0, {}, {}}, ""},
      {"nothing measured", {{2026, 7, 5}, {}, {}, {}}, "至少填写"},
      {"negative weight", {{2026, 7, 5}, -7.9, {}, {}}, "大于 0"},
      {"zero length", {{2026, 7, 5}, {}, 0.0, {}}, "大于 0"},
      {"before birth", {{2026, 1, 4}, 3.3, {}, {}}, "早于出生"},
      {"in the future", {{2026, 7, 11}, 8.0, {}, {}}, "晚于今天"},
      {"grams for kilograms", {{2026, 7, 5}, 7900.0, {}, {}}, "6 个标准差"},
      {"metres for centimetres", {{2026, 7, 5}, {}, 0.68, {}}, "6 个标准差"},
      {"head far too small", {{2026, 7, 5}, {}, {}, 30.0}, "6 个标准差"},
      {"weight far off its length", {{2026, 7, 5}, 3.0, 68.0, {}}, "6 个标准差"},
  };
  for (const Case& c : cases) {
    const auto refusal = checkMeasurement(standards(), kBoy, c.entry, kToday);
    if (std::string(c.refusalPart).empty()) {
      EXPECT_FALSE(refusal) << c.what << ": " << refusal.value_or("");
    } else {
      ASSERT_TRUE(refusal) << c.what;
      EXPECT_NE(refusal->find(c.refusalPart), std::string::npos) << c.what << ": " << *refusal;
    }
  }
}

TEST(EntryCheck, BeyondSixtyMonthsThereIsNoStandard) {
  const ChildRecord older{"大宝", Sex::Girl, {2021, 1, 1}, {}};
  const auto refusal = checkMeasurement(standards(), older, {{2026, 1, 2}, 18.0, {}, {}}, kToday);
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->find("60 个月"), std::string::npos);
}

TEST(EntryCheck, ChildrenNeedANameOfTheirOwnAndABirthNotAfterToday) {
  GrowthRecords records;
  EXPECT_FALSE(addChild(records, "小宝", Sex::Boy, {2026, 1, 5}, kToday));
  const GrowthRecords before = records;
  EXPECT_TRUE(addChild(records, "小宝", Sex::Girl, {2026, 2, 1}, kToday));
  EXPECT_TRUE(addChild(records, "", Sex::Girl, {2026, 2, 1}, kToday));
  EXPECT_TRUE(addChild(records, "小\t宝", Sex::Girl, {2026, 2, 1}, kToday));
  EXPECT_TRUE(addChild(records, "妹妹", Sex::Girl, {2026, 7, 11}, kToday));
  EXPECT_EQ(records, before);
}

TEST(EntryCheck, ASecondMeasurementOfADayReplacesTheFirstAndOrderIsKept) {
  ChildRecord child = kBoy;
  EXPECT_FALSE(putMeasurement(child, {{2026, 5, 5}, 7.0, {}, {}}));
  EXPECT_FALSE(putMeasurement(child, {{2026, 3, 5}, 5.6, {}, {}}));
  EXPECT_TRUE(putMeasurement(child, {{2026, 5, 5}, 7.1, {}, {}}));
  ASSERT_EQ(child.measurements.size(), 2u);
  EXPECT_EQ(child.measurements[0].date, (Date{2026, 3, 5}));
  EXPECT_EQ(child.measurements[1].weightKg, 7.1);
  EXPECT_TRUE(removeMeasurement(child, {2026, 3, 5}));
  EXPECT_FALSE(removeMeasurement(child, {2026, 3, 5}));
}
