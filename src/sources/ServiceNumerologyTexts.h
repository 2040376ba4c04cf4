#pragma once

#include "evaluate/NumerologyTexts.h"

namespace quillan::dataservice {
class DataServiceClient;
}

namespace quillan::sources {

// The report's long texts over the data service: the rows of z81 and zsancai.
class ServiceNumerologyTexts final : public evaluate::NumerologyTexts {
 public:
  explicit ServiceNumerologyTexts(dataservice::DataServiceClient& client) : client_(client) {}
  evaluate::NumberTexts numberTexts(int number) override;
  evaluate::TalentTexts talentTexts(std::string_view combination) override;

 private:
  dataservice::DataServiceClient& client_;
};

}  // namespace quillan::sources
