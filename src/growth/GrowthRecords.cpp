#include "growth/GrowthRecords.h"

#include <algorithm>

#include "growth/EntryCheck.h"

namespace quillan::growth {

const ChildRecord* GrowthRecords::find(const std::string& name) const {
  const auto it = std::find_if(children.begin(), children.end(), [&](const ChildRecord& c) { return c.name == name; });
  return it == children.end() ? nullptr : &*it;
}

ChildRecord* GrowthRecords::find(const std::string& name) {
  const auto it = std::find_if(children.begin(), children.end(), [&](const ChildRecord& c) { return c.name == name; });
  return it == children.end() ? nullptr : &*it;
}

std::optional<std::string> addChild(GrowthRecords& records, const std::string& name, Sex sex,
                                    const calendar::Date& birth, const calendar::Date& today) {
  if (auto refusal = checkChild(name, birth, today)) {
    return refusal;
  }
  if (records.find(name) != nullptr) {
    return "已经有名叫“" + name + "”的孩子了，请换一个名字";
  }
  records.children.push_back({name, sex, birth, {}});
  return std::nullopt;
}

bool removeChild(GrowthRecords& records, const std::string& name) {
  return std::erase_if(records.children, [&](const ChildRecord& c) { return c.name == name; }) > 0;
}

bool putMeasurement(ChildRecord& child, const Measurement& measurement) {
  auto& list = child.measurements;
  const auto at = std::lower_bound(list.begin(), list.end(), measurement.date,
                                   [](const Measurement& m, const calendar::Date& day) { return m.date < day; });
  if (at != list.end() && at->date == measurement.date) {
    *at = measurement;
    return true;
  }
  list.insert(at, measurement);
  return false;
}

bool removeMeasurement(ChildRecord& child, const calendar::Date& day) {
  return std::erase_if(child.measurements, [&](const Measurement& m) { return m.date == day; }) > 0;
}

}  // namespace quillan::growth
