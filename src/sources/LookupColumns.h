#pragma once

#include "chars/CharDetails.h"
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
// What the table has besides, columns 7, 8 and from 10 on.
inline constexpr int kRadicalColumn = 7;
inline constexpr int kReadingsColumn = 8;
inline constexpr int kElementBasisColumn = 10;
inline constexpr int kTghLevelColumn = 11;
inline constexpr int kSurnameReadingColumn = 12;
inline constexpr int kCompoundSurnamesColumn = 13;
inline constexpr int kMeaningColumn = 14;

// Data row 1 of a character lookup as a record.
chars::CharRecord recordFromLookup(const dataservice::ResultTable& table);

// Data row 1 of a character lookup's other columns; empty fields for a service without them.
chars::CharDetails detailsFromLookup(const dataservice::ResultTable& table);

}  // namespace quillan::sources
