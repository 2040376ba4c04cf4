// Prints cloaked request bodies ("C=2&post=..."), one per line, for wrk's Lua script: character
// lookups of the given characters in turn, each with a fresh permutation.
#include <iostream>
#include <string>

#include "common/GbkCodec.h"
#include "common/RandomGenerator.h"
#include "dataservice/Cloak.h"
#include "dataservice/LookupQueries.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: bench_wrk_bodies KEY CHARACTERS COUNT\n";
    return 2;
  }
  const auto key = quillan::dataservice::splitKeyText(argv[1]);
  const auto characters = quillan::common::decodeUtf8(argv[2]);
  const int count = std::stoi(argv[3]);
  if (!characters || characters->empty()) {
    return 2;
  }
  quillan::common::RandomGenerator random(quillan::common::RandomGenerator::tickSeed());
  for (int i = 0; i < count; ++i) {
    std::string character;
    quillan::common::appendUtf8(character, (*characters)[static_cast<std::size_t>(i) % characters->size()]);
    std::cout << "C=2&post="
              << quillan::dataservice::cloakText(quillan::dataservice::characterLookupQuery(character), key,
                                                 std::nullopt, random)
              << '\n';
  }
  return 0;
}
