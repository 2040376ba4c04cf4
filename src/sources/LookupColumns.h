#pragma once

#include "chars/CharRecord.h"

namespace quillan::dataservice {
class ResultTable;
}

// Where the data service's reply tables keep what the program reads, by column (1-based). Callers
// rely on these positions: a service adds columns only after the last of them.
namespace quillan::sources {

// The character lookup (table zzdcx): the record's five fields.
inline constexpr int kSimplifiedColumn = 2;
inline constexpr int kTraditionalColumn = 3;
inline constexpr int kPinyinColumn = 4;
inline constexpr int kStrokesColumn = 5;
inline constexpr int kElementColumn = 9;

// Data row 1 of a character lookup as a record.
chars::CharRecord recordFromLookup(const dataservice::ResultTable& table);

}  // namespace quillan::sources
