#include "growth/EntryCheck.h"

#include <cmath>

#include "common/ScoreFormat.h"
#include "growth/MeasurementReading.h"

namespace quillan::growth {

namespace {

std::string valueLabel(Indicator indicator) {
  switch (indicator) {
    case Indicator::WeightForAge:
      return "体重";
    case Indicator::LengthForAge:
      return "身长";
    case Indicator::HeadForAge:
      return "头围";
    case Indicator::WeightForLength:
      return "体重与身长的比例";
  }
  return {};
}

}  // namespace

std::optional<std::string> checkChild(const std::string& name, const calendar::Date& birth,
                                      const calendar::Date& today) {
  if (name.find_first_not_of(" \t") == std::string::npos) {
    return "请输入孩子的名字";
  }
  if (name.find_first_of("\t\r\n") != std::string::npos || name.front() == ' ' || name.back() == ' ') {
    return "名字前后不能有空格，也不能有制表符或换行";
  }
  if (!calendar::isValid(birth)) {
    return "请输入有效的出生日期";
  }
  if (birth > today) {
    return "出生日期不能晚于今天";
  }
  return std::nullopt;
}

std::optional<std::string> checkMeasurement(const GrowthStandards& standards, const ChildRecord& child,
                                            const Measurement& measurement, const calendar::Date& today) {
  if (!measurement.weightKg && !measurement.lengthCm && !measurement.headCm) {
    return "请至少填写体重、身长或头围中的一项";
  }
  for (const auto& value : {measurement.weightKg, measurement.lengthCm, measurement.headCm}) {
    if (value && !(*value > 0 && std::isfinite(*value))) {
      return "体重、身长和头围必须是大于 0 的数";
    }
  }
  if (!calendar::isValid(measurement.date)) {
    return "请输入有效的测量日期";
  }
  if (measurement.date < child.birth) {
    return "测量日期不能早于出生日期";
  }
  if (measurement.date > today) {
    return "测量日期不能晚于今天";
  }
  const MeasurementReading reading = readMeasurement(standards, child.sex, child.birth, measurement);
  if (reading.age.days > kLastTableDay) {
    return "WHO 儿童生长标准只覆盖出生到 60 个月，这次测量的年龄已超出范围";
  }
  for (const IndicatorScore& score : reading.scores) {
    if (std::abs(score.z) > kPlausibleZ) {
      const std::string shown = score.indicator == Indicator::WeightForLength
                                    ? valueLabel(score.indicator)
                                    : valueLabel(score.indicator) + " " + common::formatScore(score.value) + " " +
                                          indicatorUnit(score.indicator) + " ";
      return shown +
             "与 WHO 标准的中位数相差超过 6 个标准差，多半是输入有误，请核对数值和单位（体重用千克，身长和头围用厘米）";
    }
  }
  return std::nullopt;
}

}  // namespace quillan::growth
