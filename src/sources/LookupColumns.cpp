#include "sources/LookupColumns.h"

#include "common/TextNumbers.h"
#include "common/TextSplit.h"
#include "dataservice/ResultTable.h"

namespace quillan::sources {

chars::CharRecord recordFromLookup(const dataservice::ResultTable& table) {
  using dataservice::cellText;
  return chars::CharRecord{cellText(table, kSimplifiedColumn, 1), cellText(table, kTraditionalColumn, 1),
                           cellText(table, kPinyinColumn, 1), cellText(table, kStrokesColumn, 1),
                           cellText(table, kElementColumn, 1)};
}

chars::CharDetails detailsFromLookup(const dataservice::ResultTable& table) {
  using dataservice::cellText;
  chars::CharDetails details;
  details.radical = common::textToInt(cellText(table, kRadicalColumn, 1));
  details.readings = common::splitText(cellText(table, kReadingsColumn, 1), " ");
  std::erase(details.readings, std::string());
  details.elementBasis = cellText(table, kElementBasisColumn, 1);
  details.tghLevel = common::textToInt(cellText(table, kTghLevelColumn, 1));
  details.surnameReading = cellText(table, kSurnameReadingColumn, 1);
  details.compoundSurnames = cellText(table, kCompoundSurnamesColumn, 1);
  details.meaning = cellText(table, kMeaningColumn, 1);
  return details;
}

}  // namespace quillan::sources
