#pragma once

#include <memory>
#include <string>

#include "app/RequestRecord.h"
#include "chars/CharacterLookup.h"
#include "evaluate/NumerologyTexts.h"

namespace quillan::session {
class DataServiceSession;
}

namespace quillan::app {

// Where the window's commands get their data: the dictionary lookup and the report's long texts,
// each keeping alive whatever it reads through (a background job may outlive the window's use).
// A null member means the data service could not be had.
struct DataSources {
  std::shared_ptr<chars::CharacterLookup> lookup;
  std::shared_ptr<evaluate::NumerologyTexts> texts;
  std::string baseAddress;  // where the content pages lie; empty without a service
  std::string description;  // "the embedded data service at …"
  bool embedded = false;
  std::shared_ptr<RequestRecord> requests;  // whether the lookup's last request was answered
};

// The sources over a data service session; both share its ownership.
DataSources sourcesOf(std::shared_ptr<session::DataServiceSession> session);

}  // namespace quillan::app
