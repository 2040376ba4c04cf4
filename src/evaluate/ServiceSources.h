#pragma once

#include "chars/CharacterLookup.h"
#include "dataservice/DataServiceClient.h"
#include "evaluate/NumerologyTexts.h"

namespace quillan::evaluate {

// The report's sources over the data service, with the statements the service recognises.
class ServiceCharacterLookup final : public chars::CharacterLookup {
 public:
  explicit ServiceCharacterLookup(dataservice::DataServiceClient& client) : client_(client) {}
  chars::LookupResult lookup(std::string_view character) override;

 private:
  dataservice::DataServiceClient& client_;
};

class ServiceNumerologyTexts final : public NumerologyTexts {
 public:
  explicit ServiceNumerologyTexts(dataservice::DataServiceClient& client) : client_(client) {}
  NumberTexts numberTexts(int number) override;
  TalentTexts talentTexts(std::string_view combination) override;

 private:
  dataservice::DataServiceClient& client_;
};

}  // namespace quillan::evaluate
