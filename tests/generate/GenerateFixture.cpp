#include "GenerateFixture.h"

#include "common/TextSplit.h"

namespace quillan::generate::testing {

std::vector<int> gridsOf(const ResultRow& row) {
  std::vector<int> grids;
  for (const auto& text : common::splitText(row[ResultColumn::Grids], ",")) {
    grids.push_back(std::stoi(text));
  }
  return grids;
}

}  // namespace quillan::generate::testing
