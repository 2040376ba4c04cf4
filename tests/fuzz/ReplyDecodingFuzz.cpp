// libFuzzer target: the client's reply decoding (uncloakText and the table it shapes).
// First byte: bit 0 = clockSynced; bit 1 = treat the rest as a plain reply and cloak it first, so
// that the fuzzer also reaches the GBK and table stages with well-formed hex.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dataservice/Cloak.h"
#include "dataservice/CloakStages.h"
#include "dataservice/ResultTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillan::dataservice;
  if (size == 0) {
    return 0;
  }
  const bool clockSynced = (data[0] & 1U) != 0;
  std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((data[0] & 2U) != 0) {
    const std::string permutation = "3A9F1C70E2B8D456";
    input = permutation + mapThroughPermutation(hexStage(input), permutation);
  }
  const std::string text = uncloakText(input, clockSynced);
  const auto table = ResultTable::fromReply(text);
  const int rows = dataRowCount(table);
  if (rows < 0 || (table.rows() > 0 && table.cols() < 1) || (text.empty() && table.rows() != 0)) {
    std::abort();
  }
  std::size_t cellBytes = 0;
  for (int r = 1; r <= table.rows(); ++r) {
    for (int c = 1; c <= table.cols(); ++c) {
      cellBytes += table.at(r, c).size();
    }
  }
  if (cellBytes > text.size()) {
    std::abort();  // every cell is a distinct piece of the decoded text
  }
  for (int k = 0; k <= rows + 1; ++k) {
    for (int c = 0; c <= table.cols() + 1; ++c) {
      if (k > rows && !cellText(table, c, k).empty()) {
        std::abort();  // rows past the table read empty
      }
    }
  }
  return 0;
}
