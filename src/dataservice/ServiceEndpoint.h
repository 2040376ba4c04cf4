#pragma once

#include <string>
#include <string_view>

#include "dataservice/HttpExchange.h"
#include "dataservice/ServiceClock.h"
#include "dataservice/SubstitutionKey.h"

namespace quillan::dataservice {

inline constexpr std::string_view kScriptPath = "Velmora.asp";

// Where the data service answers and what a request needs: built once at start-up, read by every
// query. After a failed clock fetch the address is empty and every query fails.
struct ServiceEndpoint {
  std::string baseAddress;  // ends in "/"; content pages live under it too
  std::string scriptPath;
  bool clockSynced = false;
  SubstitutionKey substitutionKey;
  ServiceClock serviceClock;
  // Why the clock fetch failed (the address is then empty); None when it worked.
  ExchangeFailure connectFailure = ExchangeFailure::None;

  std::string requestAddress() const { return baseAddress + scriptPath; }
};

// Splits the key text at ",", fetches the service clock ("?C=3") and keeps it when it is not 0.
// When the fetch fails (no answer, or not a number) the base address and script path are emptied
// and connectFailure says why (an answer that is no clock counts as Other).
ServiceEndpoint initDataService(std::string baseAddress, std::string scriptPath, std::string_view keyText,
                                const ExchangeOptions& options = {});

}  // namespace quillan::dataservice
