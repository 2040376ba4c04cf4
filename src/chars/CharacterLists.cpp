#include "chars/CharacterLists.h"

#include "chars/BuiltInLists.h"
#include "chars/ListPacking.h"
#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::chars {
namespace {

std::vector<std::string> unpackToEntries(std::string_view packed) {
  const auto utf8 = common::gbkToUtf8(unpackList(packed));
  return utf8 ? splitList(*utf8) : std::vector<std::string>{};
}

}  // namespace

std::vector<std::string> splitList(std::string_view plain) {
  if (plain.empty()) {
    return {};
  }
  return common::splitText(plain, "|");
}

CharacterLists listsFromPacked(std::string_view packedBoys, std::string_view packedGirls) {
  return CharacterLists{unpackToEntries(packedBoys), unpackToEntries(packedGirls)};
}

CharacterLists loadBuiltInLists() { return listsFromPacked(builtin::packedBoysList(), builtin::packedGirlsList()); }

const std::string& pickRandomEntry(const std::vector<std::string>& list, common::RandomGenerator& random) {
  return list[static_cast<std::size_t>(random.position(static_cast<int>(list.size())) - 1)];
}

}  // namespace quillan::chars
