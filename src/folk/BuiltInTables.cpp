#include "folk/BuiltInTables.h"

#include <stdexcept>

namespace quillan::folk {
namespace embedded {
std::string_view boneWeightsText();
std::string_view boneTextsText();
std::string_view eldersText();
std::string_view wealthText();
std::string_view genderTableText();
std::string_view earRingingText();
std::string_view eyeTwitchText();
std::string_view faceHeatText();
std::string_view heartStartText();
std::string_view fingerprintsText();
std::string_view surnameOriginsText();
std::string_view surnameReadingsText();
std::string_view numberTextsText();
}  // namespace embedded

namespace {

struct TableSource {
  std::string_view file;
  std::string_view header;
  std::string_view (*text)();
  common::EmptyFields empties = common::EmptyFields::Refused;
};

TableSource sourceOf(Table table) {
  using namespace embedded;
  switch (table) {
    case Table::BoneWeights:
      return {"data/fate/chenggu-weights.tsv", "kind\tkey\tqian", boneWeightsText};
    case Table::BoneTexts:
      return {"data/fate/chenggu-texts.tsv", "qian\ttext", boneTextsText};
    case Table::Elders:
      return {"data/fate/elders.tsv", "kind\tkey\ttext", eldersText};
    case Table::Wealth:
      return {"data/fate/wealth.tsv", "stem\tpast\tpresent\tfuture", wealthText};
    case Table::GenderTable:
      return {"data/fate/qinggong.tsv", "age\tm1\tm2\tm3\tm4\tm5\tm6\tm7\tm8\tm9\tm10\tm11\tm12", genderTableText};
    case Table::EarRinging:
      return {"data/omens/ear-ringing.tsv", "branch\tside\ttext", earRingingText};
    case Table::EyeTwitch:
      return {"data/omens/eye-twitch.tsv", "branch\tside\ttext", eyeTwitchText};
    case Table::FaceHeat:
      return {"data/omens/face-heat.tsv", "branch\ttext", faceHeatText};
    case Table::HeartStart:
      return {"data/omens/heart-start.tsv", "branch\ttext", heartStartText};
    case Table::Fingerprints:
      return {"data/omens/fingerprints.tsv", "whorls\ttext", fingerprintsText};
    case Table::SurnameOrigins:
      return {"data/folk/surname-origins.tsv", "surname\torigin", surnameOriginsText};
    case Table::SurnameReadings:
      return {"data/folk/surnames.tsv", "kind\tsurname\treading\tother\tnote", surnameReadingsText,
              common::EmptyFields::Allowed};
    case Table::NumberTexts:
      return {"data/numerology/z81.tsv", "num\ttitle\tluck\thint\tdetail", numberTextsText};
  }
  throw std::logic_error("no such built-in table");
}

}  // namespace

std::vector<std::vector<std::string>> builtInRows(Table table) {
  const TableSource source = sourceOf(table);
  try {
    return common::tsvRows(source.text(), source.file, source.header, source.empties);
  } catch (const std::invalid_argument& fault) {
    throw std::logic_error(fault.what());
  }
}

void badTable(Table table, const std::string& why) {
  throw std::logic_error(std::string(sourceOf(table).file) + ": " + why);
}

}  // namespace quillan::folk
