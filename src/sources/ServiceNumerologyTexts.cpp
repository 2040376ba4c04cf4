#include "sources/ServiceNumerologyTexts.h"

#include "dataservice/DataServiceClient.h"
#include "dataservice/LookupQueries.h"

namespace quillan::sources {

using dataservice::cellText;

evaluate::NumberTexts ServiceNumerologyTexts::numberTexts(int number) {
  // z81: num, title, luck, hint, detail.
  const auto table = client_.runQuery(dataservice::numberTextsQuery(std::to_string(number)));
  return {cellText(table, 2, 1), cellText(table, 3, 1), cellText(table, 4, 1), cellText(table, 5, 1)};
}

evaluate::TalentTexts ServiceNumerologyTexts::talentTexts(std::string_view combination) {
  // zsancai: id, then the texts in the order of the record.
  const auto table = client_.runQuery(dataservice::threeTalentsQuery(combination));
  const auto cell = [&table](int column) { return cellText(table, column, 1); };
  return {cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8), cell(9), cell(10), cell(11)};
}

}  // namespace quillan::sources
