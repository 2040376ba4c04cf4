#pragma once

#include <string>
#include <vector>

#include "DictionaryRow.h"
#include "ElementTables.h"
#include "Overrides.h"
#include "SimplifiedToTraditional.h"
#include "UnihanData.h"

namespace quillan::dictionary {

// One row for every two-byte GBK code that decodes to a Han character with a Mandarin reading, in
// GBK code order, every value made by the rules at the top of main.cpp. An override naming a
// character that has no row is reported in `unusedOverrides`.
std::vector<DictionaryRow> buildDictionary(const UnihanData& unihan, const SimplifiedToTraditional& toTraditional,
                                           const Overrides& overrides, const ElementTables& elements,
                                           std::vector<std::string>& unusedOverrides);

}  // namespace quillan::dictionary
