#include "common/FormFields.h"

#include <gtest/gtest.h>

namespace quillan::common {
namespace {

TEST(FormFields, TheValueOfANamedField) {
  EXPECT_EQ(formField("year=2027&month=5", "month"), "5");
  EXPECT_EQ(formField("year=2027&month=5", "year"), "2027");
  EXPECT_EQ(formField("C=2&post=A=B", "post"), "A=B");  // only the first "=" divides
  EXPECT_EQ(formField("year", "year"), "");
  EXPECT_FALSE(formField("years=1", "year"));
  EXPECT_FALSE(formField("", "year"));
}

}  // namespace
}  // namespace quillan::common
