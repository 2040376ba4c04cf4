#include "sources/LookupColumns.h"

#include "dataservice/ResultTable.h"

namespace quillan::sources {

chars::CharRecord recordFromLookup(const dataservice::ResultTable& table) {
  using dataservice::cellText;
  return chars::CharRecord{cellText(table, kSimplifiedColumn, 1), cellText(table, kTraditionalColumn, 1),
                           cellText(table, kPinyinColumn, 1), cellText(table, kStrokesColumn, 1),
                           cellText(table, kElementColumn, 1)};
}

}  // namespace quillan::sources
