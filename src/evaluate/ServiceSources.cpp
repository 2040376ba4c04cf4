#include "evaluate/ServiceSources.h"

#include "dataservice/LookupQueries.h"

namespace quillan::evaluate {

using dataservice::cellText;

chars::LookupResult ServiceCharacterLookup::lookup(std::string_view character) {
  const auto result = client_.runQueryDetailed(dataservice::characterLookupQuery(character));
  if (!result.answered) {
    return {chars::LookupStatus::Unreachable, {}};
  }
  if (dataservice::dataRowCount(result.table) == 0) {
    return {chars::LookupStatus::NotFound, {}};
  }
  return {chars::LookupStatus::Found, chars::recordFromLookup(result.table)};
}

NumberTexts ServiceNumerologyTexts::numberTexts(int number) {
  const auto table = client_.runQuery(dataservice::numberTextsQuery(std::to_string(number)));
  return {cellText(table, 2, 1), cellText(table, 3, 1), cellText(table, 4, 1), cellText(table, 5, 1)};
}

TalentTexts ServiceNumerologyTexts::talentTexts(std::string_view combination) {
  const auto table = client_.runQuery(dataservice::threeTalentsQuery(combination));
  TalentTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = cellText(table, static_cast<int>(i) + 2, 1);
  }
  return texts;
}

}  // namespace quillan::evaluate
