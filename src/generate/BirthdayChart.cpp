#include "generate/BirthdayChart.h"

#include "common/TextNumbers.h"

namespace quillan::generate {

std::optional<bazi::BirthChart> birthdayChart(const BirthdaySelection& birthday) {
  if (birthday.birthday != "生日") {
    return std::nullopt;
  }
  const calendar::Date date{common::textToInt(birthday.year), common::textToInt(birthday.month),
                            common::textToInt(birthday.day)};
  bazi::BirthMoment birth{date, std::nullopt, 0, std::nullopt};
  if (birthday.hour != "未知") {
    birth.hour = common::textToInt(birthday.hour);
  }
  return bazi::birthChart(birth);
}

int favourableCount(const bazi::BirthChart& chart, std::string_view givenElements) {
  // Every element name is one three-byte character; this runs for each pair of a high-score run.
  int count = 0;
  for (std::size_t i = 0; i + 3 <= givenElements.size(); i += 3) {
    bazi::Element element{};
    if (bazi::elementOfName(givenElements.substr(i, 3), element) &&
        (element == chart.yongshen || element == chart.xishen)) {
      ++count;
    }
  }
  return count;
}

}  // namespace quillan::generate
